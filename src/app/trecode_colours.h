#pragma once
// Syntax colours for the editor buffer. The colours are formats of the lines'
// layouts, the kind a QSyntaxHighlighter sets, and never edits: the text, its
// offsets, the block formats that record line breaks, the undo history and the
// changed flag stay as they are, and no change notification is sent.
//
// QSyntaxHighlighter itself is not used: it colours the whole page when it is
// attached to a loaded one and after any change until the reading settles, and
// each of its passes runs inside an edit block, which sends textChanged (the
// page would count as edited). Here only the lines shown and a few around them
// are coloured, just before they are painted; the reading carried from line to
// line is kept per line and worked out, without colours, up to the lines shown.
#include "html_colours.h"

#include <QColor>
#include <QObject>
#include <QTextCharFormat>
#include <array>
#include <vector>

class QPlainTextEdit;
class QTextBlock;

namespace zorvel {

struct SyntaxPalette {
    std::array<QColor, 5> colours; // by HtmlColour
    const QColor& operator[](HtmlColour c) const { return colours[std::size_t(c)]; }
};

// Colours that stay readable (contrast at least 4.5 : 1) on the background.
SyntaxPalette syntaxPaletteFor(const QColor& background);
// The contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

class SyntaxColourer : public QObject {
public:
    // Lines shown are coloured from the next paint on.
    explicit SyntaxColourer(QPlainTextEdit& edit);

    // Colours the lines shown and those around them now (a paint does it too).
    void colourShown();
    // Takes every colour off again.
    void removeColours();
    // Lines whose reading is known, from the first: lines further on are read when shown.
    int linesRead() const { return known_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contentsChange(int from, int removed, int added);
    // The reading before the block, reading the lines before it as far as needed.
    HtmlReading readingBefore(int blockNumber);
    void apply(const QTextBlock& block, const std::vector<ColouredRange>& ranges);
    void setPalette();

    QPlainTextEdit& edit_;
    // Kept, not asked of edit_: the viewport still sends events while the editor
    // around it is being destroyed.
    QWidget* viewport_;
    std::vector<HtmlReading> after_; // the reading after each block; valid below known_
    int known_ = 0;
    std::array<QTextCharFormat, 5> formats_;
    // The blocks coloured since the last change.
    int cleanFrom_ = 0, cleanTo_ = -1;
    bool busy_ = false;
};

} // namespace zorvel
