#pragma once
// A canvas with metrics computed from the font size alone, so that measuring
// gives the same exact numbers on every machine. Drawing calls are recorded
// as readable lines for tests to inspect.
#include "canvas/canvas.h"

#include <QStringList>

namespace zorvel {

class FixedMetricsCanvas : public Canvas {
public:
    // Per character: size * 6 / 10 pixels wide, one more when bold.
    static int charWidth(const FontDescription& font);

    using Canvas::fontMetrics;
    FontMetricsInfo fontMetrics(const FontDescription& font) override;
    QSize textExtent(const FontDescription& font, QStringView text) override;
    // The classic desktop: grey faces, dark grey shadow, white highlight, black text.
    SystemColors systemColors() const override;

    using Canvas::drawText;
    void drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    void drawRect(const QRect& rect, const QColor& color) override;
    void fillRect(const QRect& rect, const QColor& color) override;
    void drawEllipse(const QRect& rect, const QColor& color, bool filled) override;
    void drawImage(int x, int y, const QImage& image) override;
    void setClipRect(const QRect& rect) override;
    void clearClip() override;

    QStringList calls;
    int metricsRequests = 0;
};

} // namespace zorvel
