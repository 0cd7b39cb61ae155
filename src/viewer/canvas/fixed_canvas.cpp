// The fixed-metrics canvas: sizes from the font size alone, drawing recorded as text.
#include "canvas/fixed_canvas.h"

#include <algorithm>
#include <limits>

namespace zorvel {

static QString colorName(const QColor& c) {
    return c.name(QColor::HexRgb);
}

int FixedMetricsCanvas::charWidth(const FontDescription& font) {
    return font.size * 6 / 10 + (font.bold ? 1 : 0);
}

FontMetricsInfo FixedMetricsCanvas::fontMetrics(const FontDescription& font) {
    ++metricsRequests;
    FontMetricsInfo m;
    m.ascent = font.size;
    m.descent = font.size / 4;
    m.height = m.ascent + m.descent;
    m.externalLeading = font.size / 6;
    m.overhang = font.italic ? font.size / 6 : 0;
    m.averageCharWidth = charWidth(font);
    return m;
}

QSize FixedMetricsCanvas::textExtent(const FontDescription& font, QStringView text) {
    const FontMetricsInfo m = fontMetrics(font);
    // Millions of characters may be wider than an int counts; they stop there.
    const qint64 width = qint64(text.size()) * charWidth(font) + m.overhang;
    return QSize(int(std::min<qint64>(width, std::numeric_limits<int>::max())), m.height);
}

SystemColors FixedMetricsCanvas::systemColors() const {
    return {QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0),
            QColor(0, 0, 0)};
}

void FixedMetricsCanvas::drawText(int x, int y, const FontDescription& font, QStringView text,
                                  const QColor* background) {
    calls << QStringLiteral("text %1,%2 %3 %4%5 \"%6\"")
                 .arg(x)
                 .arg(y)
                 .arg(font.size)
                 .arg(colorName(font.color), background ? QStringLiteral(" on ") + colorName(*background) : QString())
                 .arg(text.toString());
}

void FixedMetricsCanvas::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    calls << QStringLiteral("line %1,%2-%3,%4 %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(colorName(color));
}

void FixedMetricsCanvas::drawRect(const QRect& r, const QColor& color) {
    calls << QStringLiteral("rect %1,%2 %3x%4 %5")
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(colorName(color));
}

void FixedMetricsCanvas::fillRect(const QRect& r, const QColor& color) {
    calls << QStringLiteral("fill %1,%2 %3x%4 %5")
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(colorName(color));
}

void FixedMetricsCanvas::drawEllipse(const QRect& r, const QColor& color, bool filled) {
    calls << QStringLiteral("ellipse %1,%2 %3x%4 %5%6")
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(colorName(color), filled ? QStringLiteral(" filled") : QString());
}

void FixedMetricsCanvas::drawImage(int x, int y, const QImage& image) {
    calls << QStringLiteral("image %1,%2 %3x%4").arg(x).arg(y).arg(image.width()).arg(image.height());
}

void FixedMetricsCanvas::setClipRect(const QRect& r) {
    calls << QStringLiteral("clip %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void FixedMetricsCanvas::clearClip() {
    calls << QStringLiteral("noclip");
}

} // namespace zorvel
