#include "qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace zorvel {

QFont toQFont(const FontDescription& wanted) {
    QFont font(wanted.name);
    font.setPointSize(wanted.size > 0 ? wanted.size : 1);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    return font;
}

QtCanvas::QtCanvas(QPainter* painter, QPaintDevice* device)
    : painter_(painter), device_(device ? device : painter ? painter->device() : nullptr) {}

const QtCanvas::Entry& QtCanvas::entryFor(const FontDescription& wanted) {
    const Key key{wanted.name, wanted.size, (wanted.bold ? 1 : 0) | (wanted.italic ? 2 : 0) | (wanted.underline ? 4 : 0)};
    auto it = cache_.find(key);
    if (it != cache_.end())
        return *it;
    Entry e;
    e.font = toQFont(wanted);
    const QFontMetrics fm = device_ ? QFontMetrics(e.font, device_) : QFontMetrics(e.font);
    e.metrics.height = fm.height();
    e.metrics.ascent = fm.ascent();
    e.metrics.descent = fm.descent();
    e.metrics.externalLeading = fm.leading() > 0 ? fm.leading() : 0;
    e.metrics.overhang = 0; // Qt's styled faces report their real advances
    e.metrics.averageCharWidth = fm.averageCharWidth();
    return *cache_.insert(key, e);
}

FontMetricsInfo QtCanvas::fontMetrics(const FontDescription& font) { return entryFor(font).metrics; }

QSize QtCanvas::textExtent(const FontDescription& wanted, QStringView text) {
    const Entry& e = entryFor(wanted);
    const QFontMetrics fm = device_ ? QFontMetrics(e.font, device_) : QFontMetrics(e.font);
    return QSize(fm.horizontalAdvance(text.toString()), e.metrics.height);
}

void QtCanvas::drawText(int x, int y, const FontDescription& wanted, QStringView text, const QColor* background) {
    if (!painter_)
        return;
    const Entry& e = entryFor(wanted);
    painter_->setFont(e.font);
    if (background) {
        const QSize size = textExtent(wanted, text);
        painter_->fillRect(QRect(QPoint(x, y), size), *background);
    }
    painter_->setPen(wanted.color);
    painter_->drawText(QPoint(x, y + e.metrics.ascent), text.toString());
}

void QtCanvas::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    if (!painter_)
        return;
    painter_->setPen(color);
    painter_->drawLine(x1, y1, x2, y2);
}

void QtCanvas::drawRect(const QRect& rect, const QColor& color) {
    if (!painter_)
        return;
    painter_->setPen(color);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(rect.adjusted(0, 0, -1, -1));
}

void QtCanvas::fillRect(const QRect& rect, const QColor& color) {
    if (painter_)
        painter_->fillRect(rect, color);
}

void QtCanvas::drawEllipse(const QRect& rect, const QColor& color, bool filled) {
    if (!painter_)
        return;
    painter_->setPen(color);
    painter_->setBrush(filled ? QBrush(color) : QBrush(Qt::NoBrush));
    painter_->drawEllipse(rect);
}

void QtCanvas::drawImage(int x, int y, const QImage& image) {
    if (painter_)
        painter_->drawImage(QPoint(x, y), image);
}

void QtCanvas::setClipRect(const QRect& rect) {
    if (painter_)
        painter_->setClipRect(rect);
}

void QtCanvas::clearClip() {
    if (painter_)
        painter_->setClipping(false);
}

} // namespace zorvel
