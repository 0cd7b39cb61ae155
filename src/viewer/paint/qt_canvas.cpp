// The canvas on Qt: fonts, cached character advances, and drawing on a QPainter.
#include "paint/qt_canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvel {

namespace {
// A run of millions of characters can be wider than an int counts: it
// measures as the widest an int holds, which layout then caps further.
int roundedWidth(qreal width) {
    return int(std::min<long>(std::lround(width), std::numeric_limits<int>::max()));
}
} // namespace

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

qreal QtCanvas::FontEntry::measureAdvance(char32_t c) {
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
    : painter_(painter), device_(device    ? device
                                 : painter ? painter->device()
                                           : nullptr) {}

QtCanvas::~QtCanvas() {
    clearClip();
}

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

FontMetricsInfo QtCanvas::fontMetrics(const FontDescription& font) {
    return entry(FontTable::intern(font)).info;
}

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
    return roundedWidth(sum);
}

int QtCanvas::fitCount(FontId id, QStringView text, int room, int& width) {
    // The widths of text.first(k) for k = 1, 2, ... are the running sums of
    // the advances, rounded: adding them up in the same order as textWidth
    // gives the very same numbers, and the first count that does not fit
    // ends the scan. A character beyond U+FFFF is one advance, as textWidth
    // measures it, and the count never parts its two halves. That holds while
    // the sums only grow; a negative advance could break it, and leaves the
    // answer to the search.
    FontEntry& e = entry(id);
    qreal sum = 0;
    int fitting = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), text[i + 1].unicode());
            units = 2;
        }
        const qreal a = e.advance(c);
        if (a < 0)
            return Canvas::fitCount(id, text, room, width);
        const int w = roundedWidth(sum + a);
        if (w > room) {
            width = fitting;
            return int(i);
        }
        sum += a;
        fitting = w;
        i += units;
    }
    width = fitting;
    return int(n);
}

Canvas::Words QtCanvas::measureWords(FontId id, QStringView text) {
    // One pass with two sums, the whole run's and the current word's, each
    // added up from its own first character as textWidth adds them.
    FontEntry& e = entry(id);
    Words w;
    qreal sum = 0, word = 0;
    bool inWord = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (c == u' ') {
            if (inWord) {
                const int width = roundedWidth(word);
                if (w.spaced)
                    w.widest = std::max(w.widest, width);
                else
                    w.head = width; // no space before it: the run's first word
            }
            w.spaced = true;
            inWord = false;
            word = 0;
            sum += e.advance(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        const qreal a = e.advance(c);
        sum += a;
        word += a;
        inWord = true;
    }
    w.width = roundedWidth(sum);
    if (!w.spaced)
        w.head = w.tail = n > 0 ? w.width : -1;
    else if (inWord)
        w.tail = roundedWidth(word);
    return w;
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
