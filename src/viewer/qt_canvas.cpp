#include "qt_canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace zorvel {

QFont toQFont(const FontDescription& wanted) {
    QFont font(wanted.name);
    font.setPointSize(wanted.size > 0 ? wanted.size : 1);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    // Without kerning and shaping a run is as wide as its characters' advances
    // added up, which is what makes the per-character cache exact.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QtCanvas::FontEntry::FontEntry(const QFont& f, QPaintDevice* device)
    : font(f), metrics(device ? QFontMetricsF(f, device) : QFontMetricsF(f)) {
    latin.fill(-1);
    const QFontMetrics whole = device ? QFontMetrics(f, device) : QFontMetrics(f);
    info.height = whole.height();
    info.ascent = whole.ascent();
    info.descent = whole.descent();
    info.externalLeading = whole.leading() > 0 ? whole.leading() : 0;
    info.overhang = 0; // Qt's styled faces report their real advances
    info.averageCharWidth = whole.averageCharWidth();
}

qreal QtCanvas::FontEntry::advance(char32_t c) {
    if (c < latin.size()) {
        qreal& a = latin[c];
        if (a < 0)
            a = metrics.horizontalAdvance(QChar(char16_t(c)));
        return a;
    }
    auto it = others.constFind(c);
    if (it != others.constEnd())
        return *it;
    const qreal a = metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
    others.insert(c, a);
    return a;
}

QtCanvas::QtCanvas(QPainter* painter, QPaintDevice* device)
    : painter_(painter), device_(device ? device : painter ? painter->device() : nullptr) {}

QtCanvas::~QtCanvas() { clearClip(); }

QtCanvas::FontEntry& QtCanvas::entry(FontId id) {
    if (id < 0)
        id = FontTable::intern(FontDescription{});
    if (std::size_t(id) >= fonts_.size())
        fonts_.resize(std::size_t(id) + 1);
    std::unique_ptr<FontEntry>& e = fonts_[std::size_t(id)];
    if (!e)
        e = std::make_unique<FontEntry>(toQFont(FontTable::describe(id)), device_);
    return *e;
}

FontMetricsInfo QtCanvas::fontMetrics(const FontDescription& font) { return entry(FontTable::intern(font)).info; }

QSize QtCanvas::textExtent(const FontDescription& font, QStringView text) {
    const FontId id = FontTable::intern(font);
    return QSize(textWidth(id, text), entry(id).info.height);
}

int QtCanvas::textWidth(FontId id, QStringView text) {
    FontEntry& e = entry(id);
    qreal sum = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        sum += e.advance(c);
    }
    return int(std::lround(sum));
}

SystemColors QtCanvas::systemColors() const {
    if (!qGuiApp)
        return {QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), Qt::white, QColor(0xC0, 0xC0, 0xC0), Qt::black};
    const QPalette p = QGuiApplication::palette();
    return {p.color(QPalette::Button), p.color(QPalette::Dark), p.color(QPalette::Light), p.color(QPalette::Window),
            p.color(QPalette::ButtonText)};
}

void QtCanvas::drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) {
    drawText(x, y, FontTable::intern(font), font.color, text, background);
}

void QtCanvas::drawText(int x, int y, FontId id, const QColor& color, QStringView text, const QColor* background) {
    if (!painter_ || text.isEmpty())
        return;
    FontEntry& e = entry(id);
    if (background)
        painter_->fillRect(QRect(x, y, textWidth(id, text), e.info.height), *background);
    painter_->setFont(e.font);
    painter_->setPen(color);
    painter_->drawText(QPoint(x, y + e.info.ascent), text.toString());
}

void QtCanvas::drawLine(int x1, int y1, int x2, int y2, const QColor& color) {
    if (!painter_)
        return;
    painter_->setPen(color);
    painter_->drawLine(x1, y1, x2, y2);
}

void QtCanvas::drawRect(const QRect& rect, const QColor& color) {
    if (!painter_ || rect.isEmpty())
        return;
    painter_->setPen(color);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(rect.adjusted(0, 0, -1, -1)); // a 1-pixel pen covers one more column and row
}

void QtCanvas::fillRect(const QRect& rect, const QColor& color) {
    if (painter_)
        painter_->fillRect(rect, color);
}

void QtCanvas::drawEllipse(const QRect& rect, const QColor& color, bool filled) {
    if (!painter_ || rect.isEmpty())
        return;
    painter_->setPen(color);
    painter_->setBrush(filled ? QBrush(color) : QBrush(Qt::NoBrush));
    painter_->drawEllipse(rect.adjusted(0, 0, -1, -1));
}

void QtCanvas::drawImage(int x, int y, const QImage& image) {
    if (painter_)
        painter_->drawImage(QPoint(x, y), image);
}

void QtCanvas::setClipRect(const QRect& rect) {
    if (!painter_)
        return;
    clearClip();
    painter_->save();
    clipped_ = true;
    painter_->setClipRect(rect, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtCanvas::clearClip() {
    if (painter_ && clipped_)
        painter_->restore();
    clipped_ = false;
}

} // namespace zorvel
