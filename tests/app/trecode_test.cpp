// The editor buffer: offsets that count a line break as two characters, rows as shown.
#include "qt_printers.h"
#include "temp_dir.h"
#include "trecode.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

TEST(TSRichEdit, OffsetsCountEveryLineBreakAsTwoWhateverTheFileUses) {
    TempDir tmp;
    for (const QByteArray& bytes : {QByteArray("ab\r\ncd\r\nef"), QByteArray("ab\ncd\nef"), QByteArray("ab\rcd\ref")}) {
        TSRichEdit edit;
        edit.LoadFromFile(tmp.write("f.htm", bytes));
        EXPECT_EQ(edit.Text(), "ab\r\ncd\r\nef");
        edit.setSelStart(4);
        EXPECT_EQ(edit.SelStart(), 4);
        edit.setSelLength(4);
        EXPECT_EQ(edit.SelText(), "cd\r\n");
        EXPECT_EQ(edit.SelLength(), 4);
        EXPECT_EQ(edit.CaretRow(), 1);
        EXPECT_EQ(edit.CaretColumn(), 0);
        edit.setSelStart(1000); // beyond the end: at the end
        EXPECT_EQ(edit.SelStart(), 10);
        EXPECT_EQ(edit.LineCount(), 3);
        EXPECT_EQ(edit.Line(2), "ef");
    }
}

TEST(TSRichEdit, AnOffsetBetweenTheTwoCharactersOfABreakIsTheEndOfTheLine) {
    TSRichEdit edit;
    edit.setText("ab\r\ncd");
    edit.setSelStart(3);
    EXPECT_EQ(edit.SelStart(), 2);
    EXPECT_EQ(edit.toDocumentPosition(4), 3);
    EXPECT_EQ(edit.toOffset(3), 4);
}

TEST(TSRichEdit, AssigningSelTextIsOneUndoableEditThatBringsTheSelectionBack) {
    TSRichEdit edit;
    edit.setText("one two three");
    edit.document()->clearUndoRedoStacks();
    edit.setSelStart(4);
    edit.setSelLength(3);
    edit.setSelText("<B>two</B>\r\n");
    EXPECT_EQ(edit.Text(), "one <B>two</B>\r\n three");
    EXPECT_EQ(edit.SelStart(), 16);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ(edit.Text(), "one two three");
    EXPECT_EQ(edit.SelText(), "two");
    EXPECT_FALSE(edit.CanUndo());

    // The keyboard's undo does the same.
    edit.setSelStart(0);
    edit.setSelLength(3);
    edit.setSelText("1");
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::sendEvent(&edit, &undo);
    EXPECT_EQ(edit.Text(), "one two three");
    EXPECT_EQ(edit.SelText(), "one");
}

TEST(TSRichEdit, LinesAreAListOfStringsAndLoadingLeavesTheBufferUnchanged) {
    TempDir tmp;
    TSRichEdit edit;
    EXPECT_EQ(edit.LineCount(), 0);
    edit.AddLine("first");
    edit.AddLine("second");
    EXPECT_EQ(edit.Text(), "first\r\nsecond\r\n");
    EXPECT_EQ(edit.LineCount(), 2);
    edit.SaveToFile(tmp.file("out.htm"));
    EXPECT_EQ(tmp.read("out.htm"), QByteArray("first\r\nsecond\r\n"));
    edit.setModified(true);
    edit.LoadFromFile(tmp.write("in.htm", "x\ny\n"));
    EXPECT_FALSE(edit.Modified());
    edit.SaveToFile(tmp.file("in.htm"));
    EXPECT_EQ(tmp.read("in.htm"), QByteArray("x\ny\n"));
}

TEST(TSRichEdit, RowsCountWrappedLinesAsShown) {
    TSRichEdit edit;
    edit.resize(200, 300);
    edit.show();
    const QString longLine = QString("word ").repeated(60);
    edit.setText(longLine + "\r\nnext");
    QCoreApplication::processEvents();
    edit.setSelStart(static_cast<int>(longLine.size()) + 2);
    const int rowOfNext = edit.CaretRow();
    EXPECT_GT(rowOfNext, 2); // the long line takes several rows
    EXPECT_EQ(edit.CaretColumn(), 0);
    EXPECT_EQ(edit.RowOfOffset(0), 0);
    edit.setSelStart(static_cast<int>(longLine.size()) - 3);
    EXPECT_EQ(edit.CaretRow(), rowOfNext - 1);
    EXPECT_GT(edit.CaretColumn(), 0);
}

TEST(TSRichEdit, VisibleLineCountIsMinusOneWhileHiddenAndScrollToLineClamps) {
    TSRichEdit edit;
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QString::number(i);
    edit.setText(lines.join("\r\n"));
    EXPECT_EQ(edit.VisibleLineCount(), -1);
    edit.resize(300, 200);
    edit.show();
    QCoreApplication::processEvents();
    const int visible = edit.VisibleLineCount();
    EXPECT_EQ(visible, edit.viewport()->height() / edit.fontMetrics().lineSpacing());
    edit.ScrollToLine(50);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 50);
    edit.ScrollToLine(-7);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
    edit.ScrollToLine(100000);
    EXPECT_EQ(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());
}
