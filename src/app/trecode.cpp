#include "trecode.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace zorvel {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QString withCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), kCrLf);
    return text;
}
} // namespace

TSRichEdit::TSRichEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // New documents are written with CR LF, as on the systems the pages come from.
    format_.lineEnding = LineEnding::CrLf;
}

QString TSRichEdit::Text() const { return withCrLf(toPlainText()); }

void TSRichEdit::setText(const QString& text) {
    // An edit like any other: it can be undone and it marks the document changed.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(normalizeLineBreaks(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

int TSRichEdit::toOffset(int position) const {
    const QTextBlock block = document()->findBlock(position);
    return position + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int TSRichEdit::toDocumentPosition(int offset) const {
    if (offset <= 0)
        return 0;
    const QTextDocument* doc = document();
    // The block whose first offset (position + block number) is the last one not after offset.
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int column = offset - (block.position() + lo);
    // An offset between the CR and the LF of a break counts as the end of the line.
    return block.position() + std::min(column, block.length() - 1);
}

int TSRichEdit::SelStart() const { return toOffset(textCursor().selectionStart()); }

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

QString TSRichEdit::SelText() const { return withCrLf(textCursor().selectedText()); }

void TSRichEdit::setSelText(const QString& text) {
    const int start = SelStart();
    const int length = SelLength();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(normalizeLineBreaks(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
    replaced_ = {document()->availableUndoSteps(), start, length};
}

bool TSRichEdit::Modified() const { return document()->isModified(); }
void TSRichEdit::setModified(bool modified) { document()->setModified(modified); }

int TSRichEdit::LineCount() const {
    const QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    if (blocks > 1 && doc->lastBlock().length() == 1)
        return blocks - 1;
    return doc->isEmpty() ? 0 : blocks;
}

QString TSRichEdit::Line(int index) const { return document()->findBlockByNumber(index).text(); }

void TSRichEdit::AddLine(const QString& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const QTextBlock last = document()->lastBlock();
    // Like a list of strings: every line ends with a break, so the next line starts fresh.
    if (last.length() > 1)
        cursor.insertText(QStringLiteral("\n"));
    cursor.insertText(normalizeLineBreaks(line) + QLatin1Char('\n'));
}

void TSRichEdit::LoadFromFile(const QString& path) {
    LoadedText loaded = loadTextFile(path);
    format_ = loaded.format;
    setPlainText(loaded.text);
    setModified(false);
}

void TSRichEdit::SaveToFile(const QString& path) const { saveTextFile(path, toPlainText(), format_); }

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

int TSRichEdit::RowOfOffset(int offset) const { return rowOfPosition(toDocumentPosition(offset)); }

int TSRichEdit::CaretRow() const { return rowOfPosition(textCursor().selectionStart()); }

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

void TSRichEdit::SelectAll() { selectAll(); }
void TSRichEdit::CutToClipboard() { cut(); }
void TSRichEdit::CopyToClipboard() { copy(); }
void TSRichEdit::PasteFromClipboard() { paste(); }
bool TSRichEdit::CanUndo() const { return document()->isUndoAvailable(); }
void TSRichEdit::Undo() {
    const bool undoingReplacement = replaced_.undoSteps >= 0 && replaced_.undoSteps == document()->availableUndoSteps();
    undo();
    if (undoingReplacement) {
        setSelStart(replaced_.start);
        setSelLength(replaced_.length);
        replaced_.undoSteps = -1;
    }
}

void TSRichEdit::SetFocus() {
    viewport()->update();
    setFocus(Qt::OtherFocusReason);
}

static QKeySequence sequenceOf(const QKeyEvent* event) {
    return QKeySequence(event->modifiers() | event->key());
}

bool TSRichEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        commandKeys_.contains(sequenceOf(static_cast<QKeyEvent*>(event)))) {
        event->accept(); // keep it from the menu bar; keyPressEvent passes it on
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TSRichEdit::keyPressEvent(QKeyEvent* event) {
    if (const QKeySequence key = sequenceOf(event); commandKeys_.contains(key)) {
        emit commandKey(key);
        event->accept();
        return;
    }
    emit keyDown();
    if (event->matches(QKeySequence::Undo) && !isReadOnly()) {
        Undo();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TSRichEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
}

void TSRichEdit::scrollContentsBy(int dx, int dy) {
    QPlainTextEdit::scrollContentsBy(dx, dy);
    if (dx != 0)
        emit OnHScroll();
    if (dy != 0)
        emit OnVScroll();
}

} // namespace zorvel
