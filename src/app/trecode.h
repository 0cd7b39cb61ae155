#pragma once
// The editor buffer of a document window: a plain-text control whose offsets
// count every line break as two characters (CR LF), whatever the file uses,
// so that commands can compute positions on texts built with "\r\n".
#include "text_file.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <vector>

namespace zorvel {

class SyntaxColourer;

class TSRichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TSRichEdit(QWidget* parent = nullptr);

    // The whole text with CR LF line breaks; assigning replaces all of it as one undoable edit.
    QString Text() const;
    void setText(const QString& text);

    int SelStart() const;
    void setSelStart(int offset);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) as one undoable edit and
    // leaves the caret after the new text.
    void setSelText(const QString& text);

    bool Modified() const;
    void setModified(bool modified);

    // The text as lines, as a list of strings sees it: a final line break does not
    // start another line.
    int LineCount() const;
    QString Line(int index) const;
    // Every line, as Line gives them, read in one pass: asking Line for each in
    // turn walks the text from the top each time once a line is long.
    QStringList Lines() const;
    void AddLine(const QString& line);
    // Loading leaves Modified false and remembers encoding and line endings for the save.
    void LoadFromFile(const QString& path);
    // The same for a text already read (as a file holds it, with its line breaks).
    void loadText(const QString& exact, const TextFormat& format);
    void SaveToFile(const QString& path) const;
    // The text exactly as SaveToFile writes it, before encoding.
    QString exactText() const;
    const TextFormat& fileFormat() const { return format_; }

    // Rows as shown: a wrapped line counts as several.
    int CaretRow() const;
    int CaretColumn() const;
    int RowOfOffset(int offset) const;
    int VisibleLineCount() const;
    void ScrollToLine(int row);

    void SelectAll();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const;
    void Undo();
    bool CanRedo() const;
    // Takes again what the last Undo took back, as the one step it was.
    void Redo();
    void SetFocus();

    // Offsets in CR LF counting to Qt document positions and back.
    int toDocumentPosition(int offset) const;
    int toOffset(int position) const;
    // Replaces the text between two document positions the way the buffer keeps
    // text (its line breaks, long lines shown in pieces), within the caller's edit.
    void replaceRange(QTextCursor& cursor, const QString& text);

    // Colours the HTML shown (tags, attributes, entities, comments); the text stays as it is.
    void setSyntaxColours(bool on);
    bool syntaxColours() const { return colourer_ != nullptr; }
    SyntaxColourer* syntaxColourer() const { return colourer_; }

signals:
    // Before a key takes effect.
    void keyDown();
    void OnHScroll();
    void OnVScroll();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // The clipboard and drag and drop carry the text as the file has it.
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int rowOfPosition(int position) const;
    QString textBetween(int from, int to, const QString& lineBreak) const;
    void insertLineBreak();
    // Numbers of the blocks that continue a long line (soft breaks before them).
    const std::vector<int>& softBlocks() const;
    // Soft breaks up to and including the block.
    int softBreaksThrough(int blockNumber) const;
    // First offset of a block.
    int blockOffset(int blockNumber) const;

    // The selection an assignment to SelText replaced, so that undoing that very
    // edit selects the text again.
    struct ReplacedSelection {
        int undoSteps = -1;
        int start = 0;
        int length = 0;
    };
    ReplacedSelection replaced_;
    // The replacement an Undo took back, so a Redo makes it undoable as such again.
    ReplacedSelection undoneReplacement_;
    SyntaxColourer* colourer_ = nullptr;
    TextFormat format_;
    // Soft breaks exist only where a long line was put in; until then offsets
    // need no look at the blocks' formats.
    bool mayHaveSoftBreaks_ = false;
    mutable bool softBlocksStale_ = true;
    mutable std::vector<int> softBlocks_;
};

} // namespace zorvel
