#pragma once
// The one door through which the viewer measures and draws. The engine never
// touches a painter or a font-metrics object itself, so it runs headless and
// its tests use a canvas with fixed metrics.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

namespace zorvel {

// A font as the viewer asks for it: face, size in points, style and colour.
struct FontDescription {
    QString name;
    int size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    bool operator==(const FontDescription&) const = default;
};

struct FontMetricsInfo {
    int height = 0;          // ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int overhang = 0;        // extra width of synthesised styles
    int averageCharWidth = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual FontMetricsInfo fontMetrics(const FontDescription& font) = 0;
    virtual QSize textExtent(const FontDescription& font, QStringView text) = 0;

    // Text is placed by its top-left corner; an opaque background is filled first.
    virtual void drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background = nullptr) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, const QColor& color) = 0;
    virtual void drawRect(const QRect& rect, const QColor& color) = 0;
    virtual void fillRect(const QRect& rect, const QColor& color) = 0;
    virtual void drawEllipse(const QRect& rect, const QColor& color, bool filled) = 0;
    virtual void drawImage(int x, int y, const QImage& image) = 0;
    virtual void setClipRect(const QRect& rect) = 0;
    virtual void clearClip() = 0;
};

} // namespace zorvel
