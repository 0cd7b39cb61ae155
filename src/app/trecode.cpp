#include "trecode.h"

#include "trecode_text.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace zorvel {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

TSRichEdit::TSRichEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // New documents are written with CR LF, as on the systems the pages come from.
    format_.lineEnding = LineEnding::CrLf;
    connect(document(), &QTextDocument::contentsChange, this, [this] { softBlocksStale_ = true; });
    // A new edit drops what could be redone, and with it the replacement undone last.
    connect(document(), &QTextDocument::redoAvailable, this, [this](bool available) {
        if (!available)
            undoneReplacement_.undoSteps = -1;
    });
}

QString TSRichEdit::textBetween(int from, int to, const QString& lineBreak) const {
    return storedtext::read(*document(), from, to, {lineBreak});
}

QString TSRichEdit::Text() const {
    return textBetween(0, document()->characterCount() - 1, kCrLf);
}

void TSRichEdit::replaceRange(QTextCursor& cursor, const QString& text) {
    const storedtext::Prepared prepared = storedtext::prepare(text, format_.lineEnding, false);
    mayHaveSoftBreaks_ = mayHaveSoftBreaks_ || prepared.hasSoftBreaks;
    storedtext::insert(cursor, prepared);
}

void TSRichEdit::setText(const QString& text) {
    // An edit like any other: it can be undone and it marks the document changed.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    replaceRange(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

const std::vector<int>& TSRichEdit::softBlocks() const {
    if (softBlocksStale_) {
        softBlocks_.clear();
        if (mayHaveSoftBreaks_)
            for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
                if (storedtext::breakBefore(b) == storedtext::Soft)
                    softBlocks_.push_back(b.blockNumber());
        softBlocksStale_ = false;
    }
    return softBlocks_;
}

int TSRichEdit::softBreaksThrough(int blockNumber) const {
    const std::vector<int>& soft = softBlocks();
    return int(std::upper_bound(soft.begin(), soft.end(), blockNumber) - soft.begin());
}

// A break the text has counts two characters but is one position in Qt's
// document; a soft break counts none.
int TSRichEdit::blockOffset(int blockNumber) const {
    return document()->findBlockByNumber(blockNumber).position() + blockNumber - 2 * softBreaksThrough(blockNumber);
}

int TSRichEdit::toOffset(int position) const {
    const QTextBlock block = document()->findBlock(position);
    const int number = block.isValid() ? block.blockNumber() : document()->blockCount() - 1;
    return position + number - 2 * softBreaksThrough(number);
}

int TSRichEdit::toDocumentPosition(int offset) const {
    if (offset <= 0)
        return 0;
    const QTextDocument* doc = document();
    // The block whose first offset is the last one not after offset.
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (blockOffset(mid) <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int column = offset - blockOffset(lo);
    // An offset between the CR and the LF of a break counts as the end of the line.
    return block.position() + std::min(column, block.length() - 1);
}

int TSRichEdit::SelStart() const {
    return toOffset(textCursor().selectionStart());
}

void TSRichEdit::setSelStart(int offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(offset));
    setTextCursor(cursor);
}

int TSRichEdit::SelLength() const {
    const QTextCursor cursor = textCursor();
    return toOffset(cursor.selectionEnd()) - toOffset(cursor.selectionStart());
}

void TSRichEdit::setSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = SelStart();
    cursor.setPosition(toDocumentPosition(start));
    cursor.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TSRichEdit::SelText() const {
    const QTextCursor cursor = textCursor();
    return textBetween(cursor.selectionStart(), cursor.selectionEnd(), kCrLf);
}

void TSRichEdit::setSelText(const QString& text) {
    const int start = SelStart();
    const int length = SelLength();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    replaceRange(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    replaced_ = {document()->availableUndoSteps(), start, length};
}

bool TSRichEdit::Modified() const {
    return document()->isModified();
}
void TSRichEdit::setModified(bool modified) {
    document()->setModified(modified);
}

int TSRichEdit::LineCount() const {
    const QTextDocument* doc = document();
    const int blocks = doc->blockCount() - int(softBlocks().size());
    if (blocks > 1 && doc->lastBlock().length() == 1)
        return blocks - 1;
    return doc->isEmpty() ? 0 : blocks;
}

QString TSRichEdit::Line(int index) const {
    QTextBlock block;
    if (softBlocks().empty()) {
        block = document()->findBlockByNumber(index);
    } else {
        // The pieces of a long line are one line of the text.
        block = document()->begin();
        for (int line = 0; block.isValid() && line < index;) {
            block = block.next();
            if (block.isValid() && storedtext::breakBefore(block) != storedtext::Soft)
                ++line;
        }
    }
    if (!block.isValid())
        return QString();
    QTextBlock last = block;
    while (last.next().isValid() && storedtext::breakBefore(last.next()) == storedtext::Soft)
        last = last.next();
    return textBetween(block.position(), last.position() + last.length() - 1, kCrLf);
}

QStringList TSRichEdit::Lines() const {
    const QString text = Text();
    if (text.isEmpty())
        return {};
    // Every break of the text, whatever the file had, reads as CR LF; the
    // pieces of a long line read as one line.
    QStringList lines = text.split(kCrLf);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TSRichEdit::AddLine(const QString& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // Like a list of strings: every line ends with a break, so the next line starts fresh.
    const QString text =
        (document()->lastBlock().length() > 1 ? QStringLiteral("\n") : QString()) + line + QLatin1Char('\n');
    replaceRange(cursor, text);
}

void TSRichEdit::LoadFromFile(const QString& path) {
    const LoadedText loaded = loadTextFile(path);
    loadText(loaded.text, loaded.format);
}

void TSRichEdit::loadText(const QString& exact, const TextFormat& format) {
    format_ = format;
    const storedtext::Prepared prepared = storedtext::prepare(exact, format_.lineEnding, true);
    mayHaveSoftBreaks_ = prepared.hasSoftBreaks;
    softBlocksStale_ = true;
    setPlainText(QString());
    storedtext::load(*document(), prepared);
    moveCursor(QTextCursor::Start);
    setModified(false);
}

QString TSRichEdit::exactText() const {
    return storedtext::read(*document(), 0, document()->characterCount() - 1, {QString(), true, format_.lineEnding});
}

void TSRichEdit::SaveToFile(const QString& path) const {
    saveExactText(path, exactText(), format_.encoding);
}

int TSRichEdit::rowOfPosition(int position) const {
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return 0;
    int row = block.firstLineNumber();
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid())
            row += line.lineNumber();
    }
    return row;
}

int TSRichEdit::RowOfOffset(int offset) const {
    return rowOfPosition(toDocumentPosition(offset));
}

int TSRichEdit::CaretRow() const {
    return rowOfPosition(textCursor().selectionStart());
}

int TSRichEdit::CaretColumn() const {
    const int position = textCursor().selectionStart();
    const QTextBlock block = document()->findBlock(position);
    int lineStart = block.position();
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid())
            lineStart += line.textStart();
    }
    return toOffset(position) - toOffset(lineStart);
}

int TSRichEdit::VisibleLineCount() const {
    if (!isVisible())
        return -1;
    return viewport()->height() / fontMetrics().lineSpacing();
}

void TSRichEdit::ScrollToLine(int row) {
    const int last = std::max(0, document()->lineCount() - 1);
    verticalScrollBar()->setValue(std::clamp(row, 0, last));
}

void TSRichEdit::SelectAll() {
    selectAll();
}
void TSRichEdit::CutToClipboard() {
    cut();
}
void TSRichEdit::CopyToClipboard() {
    copy();
}
void TSRichEdit::PasteFromClipboard() {
    paste();
}
bool TSRichEdit::CanUndo() const {
    return document()->isUndoAvailable();
}
void TSRichEdit::Undo() {
    const bool undoingReplacement = replaced_.undoSteps >= 0 && replaced_.undoSteps == document()->availableUndoSteps();
    undo();
    if (undoingReplacement) {
        setSelStart(replaced_.start);
        setSelLength(replaced_.length);
        undoneReplacement_ = replaced_;
        replaced_.undoSteps = -1;
    }
}
bool TSRichEdit::CanRedo() const {
    return document()->isRedoAvailable();
}
void TSRichEdit::Redo() {
    if (!CanRedo())
        return;
    // Redoing the last step empties the redo stack, which forgets the replacement.
    const ReplacedSelection undone = undoneReplacement_;
    redo();
    if (undone.undoSteps >= 0 && undone.undoSteps == document()->availableUndoSteps()) {
        replaced_ = undone;
        undoneReplacement_.undoSteps = -1;
    }
}

void TSRichEdit::SetFocus() {
    viewport()->update();
    setFocus(Qt::OtherFocusReason);
}

void TSRichEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown();
    if (event->matches(QKeySequence::Undo) && !isReadOnly()) {
        Undo();
        event->accept();
        return;
    }
    // Every kind of Enter makes one line break of the file's own kind (Qt's Shift+Enter
    // would put in a line separator character, which no page means).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !isReadOnly()) {
        insertLineBreak();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TSRichEdit::insertLineBreak() {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    replaceRange(cursor, QStringLiteral("\n"));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* TSRichEdit::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd(), QStringLiteral("\n")));
    return data;
}

void TSRichEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    replaceRange(cursor, source->text());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TSRichEdit::scrollContentsBy(int dx, int dy) {
    QPlainTextEdit::scrollContentsBy(dx, dy);
    if (dx != 0)
        emit OnHScroll();
    if (dy != 0)
        emit OnVScroll();
}

} // namespace zorvel
