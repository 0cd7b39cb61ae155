#include "trecode_colours.h"

#include "trecode.h"
#include "trecode_text.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace zorvel {

namespace {

// Lines coloured above and below those shown, so that a small scroll finds them ready.
constexpr int kMargin = 32;
// A change of at most this many lines is read again at once; if the reading
// after it is what it was, the lines after it keep theirs.
constexpr int kReadAtOnce = 64;
constexpr double kReadable = 4.5;

// The hues, as they look on a white page; other backgrounds move them toward
// black or white until they are readable there.
constexpr QRgb kBaseColours[] = {
    0x2050c0, // tag
    0xa0309a, // attribute name
    0xb03a10, // attribute value
    0x007f7f, // entity
    0x4f8f3f, // comment
};

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

bool endsLine(const QTextBlock& block) {
    const QTextBlock next = block.next();
    return !next.isValid() || storedtext::breakBefore(next) != storedtext::Soft;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

SyntaxPalette syntaxPaletteFor(const QColor& background) {
    // Toward whichever of black and white stands out more from the background.
    const QColor target = contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    SyntaxPalette palette;
    for (std::size_t i = 0; i < palette.colours.size(); ++i) {
        const QColor base = QColor::fromRgb(kBaseColours[i]);
        QColor colour = base;
        for (int step = 1; step <= 20 && contrastRatio(colour, background) < kReadable; ++step)
            colour = mix(base, target, step / 20.0);
        palette.colours[i] = colour;
    }
    return palette;
}

SyntaxColourer::SyntaxColourer(QPlainTextEdit& edit) : QObject(&edit), edit_(edit), viewport_(edit.viewport()) {
    after_.assign(std::size_t(edit.document()->blockCount()), HtmlReading{});
    setPalette();
    connect(edit.document(), &QTextDocument::contentsChange, this, &SyntaxColourer::contentsChange);
    edit.viewport()->installEventFilter(this);
    edit.installEventFilter(this);
    edit.viewport()->update();
}

void SyntaxColourer::setPalette() {
    const SyntaxPalette palette = syntaxPaletteFor(edit_.palette().color(QPalette::Base));
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        formats_[i] = QTextCharFormat();
        formats_[i].setForeground(palette.colours[i]);
    }
}

bool SyntaxColourer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Paint) {
        colourShown(); // before the lines are drawn
    } else if (watched == &edit_ && event->type() == QEvent::PaletteChange) {
        setPalette();
        cleanTo_ = -1;
        edit_.viewport()->update();
    }
    return false;
}

void SyntaxColourer::contentsChange(int from, int, int added) {
    const QTextDocument* doc = edit_.document();
    const int count = doc->blockCount();
    const int delta = count - int(after_.size());
    QTextBlock first = doc->findBlock(from);
    QTextBlock last = doc->findBlock(from + added);
    if (!first.isValid())
        first = doc->lastBlock();
    if (!last.isValid())
        last = doc->lastBlock();
    const int b0 = first.blockNumber();
    const int b1 = last.blockNumber();

    // The old blocks b0 .. b1 - delta are now b0 .. b1; the readings after them
    // move along, so that the old reading after the changed text stands at b1.
    if (delta > 0)
        after_.insert(after_.begin() + b0, std::size_t(delta), HtmlReading{});
    else if (delta < 0)
        after_.erase(after_.begin() + b0, after_.begin() + b0 - delta);
    const int knownBefore = known_;
    // A change of the break before a block changes how the block before it ends.
    const int firstChanged = std::max(0, b0 - 1);
    cleanTo_ = -1;
    if (knownBefore <= firstChanged) {
        return; // nothing known is touched
    }
    known_ = firstChanged;
    if (b1 - firstChanged > kReadAtOnce)
        return;
    const HtmlReading old = after_[std::size_t(b1)];
    HtmlReading reading = readingBefore(firstChanged);
    for (QTextBlock block = doc->findBlockByNumber(firstChanged); block.isValid() && block.blockNumber() <= b1;
         block = block.next()) {
        reading = readHtmlLine(block.text(), reading, endsLine(block));
        after_[std::size_t(block.blockNumber())] = reading;
    }
    known_ = b1 + 1;
    // The lines after the change read as before when the reading after it is the same.
    if (reading == old && knownBefore + delta > b1)
        known_ = knownBefore + delta;
}

HtmlReading SyntaxColourer::readingBefore(int blockNumber) {
    if (blockNumber <= 0)
        return HtmlReading{};
    if (known_ < blockNumber) {
        HtmlReading reading = known_ > 0 ? after_[std::size_t(known_ - 1)] : HtmlReading{};
        for (QTextBlock block = edit_.document()->findBlockByNumber(known_);
             block.isValid() && block.blockNumber() < blockNumber; block = block.next()) {
            reading = readHtmlLine(block.text(), reading, endsLine(block));
            after_[std::size_t(block.blockNumber())] = reading;
        }
        known_ = blockNumber;
    }
    return after_[std::size_t(blockNumber - 1)];
}

void SyntaxColourer::colourShown() {
    if (busy_)
        return;
    const QTextDocument* doc = edit_.document();
    const QRect view = edit_.viewport()->rect();
    const int top = edit_.cursorForPosition(view.topLeft()).block().blockNumber();
    const int bottom = edit_.cursorForPosition(view.bottomRight()).block().blockNumber();
    const int from = std::max(0, top - kMargin);
    const int to = std::min(doc->blockCount() - 1, std::max(top, bottom) + kMargin);
    if (from >= cleanFrom_ && to <= cleanTo_)
        return;
    busy_ = true;
    HtmlReading reading = readingBefore(from);
    for (QTextBlock block = doc->findBlockByNumber(from); block.isValid() && block.blockNumber() <= to;
         block = block.next()) {
        const HtmlLineColours line = colourHtmlLine(block.text(), reading, endsLine(block));
        apply(block, line.ranges);
        reading = line.after;
        const int n = block.blockNumber();
        after_[std::size_t(n)] = reading;
        if (known_ == n)
            known_ = n + 1;
    }
    cleanFrom_ = from;
    cleanTo_ = to;
    busy_ = false;
}

void SyntaxColourer::apply(const QTextBlock& block, const std::vector<ColouredRange>& ranges) {
    QList<QTextLayout::FormatRange> formats;
    formats.reserve(qsizetype(ranges.size()));
    for (const ColouredRange& r : ranges)
        formats.append({r.start, r.length, formats_[std::size_t(r.colour)]});
    QTextLayout* layout = block.layout();
    if (layout->formats() == formats)
        return;
    // What QSyntaxHighlighter does too: the layout's formats, then the block laid
    // out again. Neither is an edit.
    layout->setFormats(formats);
    edit_.document()->markContentsDirty(block.position(), block.length());
}

void SyntaxColourer::removeColours() {
    QTextDocument* doc = edit_.document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        if (QTextLayout* layout = block.layout(); !layout->formats().isEmpty()) {
            layout->clearFormats();
            doc->markContentsDirty(block.position(), block.length());
        }
    cleanTo_ = -1;
}

void TSRichEdit::setSyntaxColours(bool on) {
    if (on == (colourer_ != nullptr))
        return;
    if (on) {
        colourer_ = new SyntaxColourer(*this);
    } else {
        colourer_->removeColours();
        delete colourer_;
        colourer_ = nullptr;
    }
}

} // namespace zorvel
