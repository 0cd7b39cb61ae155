#pragma once
// The canvas on a QPainter (screen, image or printer). Without a painter it
// only measures, on the given paint device or the screen.
//
// Measuring is a table look-up: each font keeps one QFontMetricsF and the
// fractional advance of every character met so far. Fonts are made with
// kerning off and no shaping, so the width Qt draws a run at is the sum of
// its characters' advances; the canvas rounds that sum once per run, which
// gives exactly QFontMetrics::horizontalAdvance of the run.
#include "canvas/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <array>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace zorvel {

// The QFont the viewer measures and draws a description with.
QFont toQFont(const FontDescription& font);

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter* painter = nullptr, QPaintDevice* device = nullptr);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    FontMetricsInfo fontMetrics(const FontDescription& font) override;
    FontMetricsInfo fontMetrics(FontId font) override { return entry(font).info; }
    QSize textExtent(const FontDescription& font, QStringView text) override;
    // From the application's palette: Button, Dark, Light, Window and ButtonText.
    SystemColors systemColors() const override;
    int textWidth(FontId font, QStringView text) override;
    int fitCount(FontId font, QStringView text, int room, int& width) override;
    Words measureWords(FontId font, QStringView text) override;

    void drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) override;
    void drawText(int x, int y, FontId font, const QColor& color, QStringView text, const QColor* background) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    void drawRect(const QRect& rect, const QColor& color) override;
    void fillRect(const QRect& rect, const QColor& color) override;
    void drawEllipse(const QRect& rect, const QColor& color, bool filled) override;
    void drawImage(int x, int y, const QImage& image) override;
    void setClipRect(const QRect& rect) override;
    void clearClip() override;

    // The font an interned id is drawn with on this canvas.
    const QFont& qFont(FontId font) { return entry(font).font; }

private:
    struct FontEntry {
        FontEntry(const QFont& f, QPaintDevice* device);
        // Inline for Latin-1, which is nearly all that layout measures.
        qreal advance(char32_t c) {
            if (c < latin.size() && latin[c] >= 0)
                return latin[c];
            return measureAdvance(c);
        }
        qreal measureAdvance(char32_t c);

        QFont font;
        QFontMetricsF metrics;
        FontMetricsInfo info;
        std::array<qreal, 256> latin; // < 0: not measured yet
        QHash<char32_t, qreal> others;
    };
    FontEntry& entry(FontId font);

    QPainter* painter_;
    QPaintDevice* device_;
    bool clipped_ = false;
    std::vector<std::unique_ptr<FontEntry>> fonts_; // by FontId
};

} // namespace zorvel
