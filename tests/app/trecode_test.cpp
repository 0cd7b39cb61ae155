// The editor buffer: offsets that count a line break as two characters, rows as shown.
#include "qt_printers.h"
#include "temp_dir.h"
#include "trecode.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
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

TEST(TSRichEdit, RedoTakesAnUndoneReplacementAgainAsOneStepThatUndoesAsBefore) {
    TSRichEdit edit;
    edit.setText("one two");
    edit.document()->clearUndoRedoStacks();
    EXPECT_FALSE(edit.CanRedo());
    edit.setSelStart(4);
    edit.setSelLength(3);
    edit.setSelText("<B>two</B>\r\nx");
    edit.Undo();
    ASSERT_TRUE(edit.CanRedo());
    edit.Redo();
    EXPECT_EQ(edit.Text(), "one <B>two</B>\r\nx");
    EXPECT_FALSE(edit.CanRedo());
    edit.Undo(); // the selection comes back a second time
    EXPECT_EQ(edit.SelText(), "two");

    // A new edit after an Undo leaves nothing to redo.
    edit.setSelStart(0);
    edit.setSelText("A");
    EXPECT_FALSE(edit.CanRedo());
    edit.Redo();
    EXPECT_EQ(edit.Text(), "Aone two");
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

// Open then save gives back the very bytes, whatever characters or line breaks
// the file holds, however long its lines.
TEST(TSRichEdit, OpenThenSaveIsByteIdentical) {
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += char(b);
    const QByteArray samples[] = {
        "a\xC2\xA0"
        "b\r\n", // non-breaking space, UTF-8
        "caf\xE9\xA0"
        "b\n",                                     // non-breaking space, Latin-1
        "x\xE2\x80\xA8y\xE2\x80\xA9z\r\n",         // line and paragraph separators
        "\xEF\xB7\x90<p>\xEF\xB7\x91\xEF\xBF\xBD", // U+FDD0, U+FDD1 and a real U+FFFD
        "a\r\nb\nc\rd\r\r\ne",                     // mixed line endings
        "\xEF\xBB\xBF\xC2\xA0\n\n",                // BOM
        allBytes,                                  // every byte, read as Latin-1
        QByteArray(100000, 'x') + "\r\n<b>" + QByteArray(9000, 'y') + "\xE2\x80\xA9" + QByteArray(5000, ' '),
        "",
    };
    TempDir tmp;
    for (const QByteArray& bytes : samples) {
        TSRichEdit edit;
        edit.LoadFromFile(tmp.write("page.htm", bytes));
        edit.SaveToFile(tmp.file("saved.htm"));
        EXPECT_EQ(tmp.read("saved.htm"), bytes) << bytes.left(40).toHex().constData();
    }
}

TEST(TSRichEdit, SpecialCharactersAreOneCharacterOfTheText) {
    TempDir tmp;
    TSRichEdit edit;
    edit.LoadFromFile(tmp.write("page.htm", "x\xE2\x80\xA9y\xC2\xA0z"));
    EXPECT_EQ(edit.Text(), QStringView(u"x\u2029y\u00A0z").toString());
    edit.setSelStart(1);
    edit.setSelLength(1);
    EXPECT_EQ(edit.SelText(), QStringView(u"\u2029").toString());
    edit.setSelText(QStringView(u"\uFDD0").toString());
    EXPECT_EQ(edit.Text(), QStringView(u"x\uFDD0y\u00A0z").toString());
    EXPECT_EQ(edit.LineCount(), 1);
}

// A line of a million characters is shown in pieces, but it is one line of the
// text: offsets, lines, typing and saving see no trace of the pieces.
TEST(TSRichEdit, AHugeLineIsOneLineOfTheText) {
    TempDir tmp;
    const QByteArray line = QByteArray("<img src=\"data:") + QByteArray(1000000, 'Q') + "\">";
    TSRichEdit edit;
    edit.LoadFromFile(tmp.write("big.htm", "<p>\r\n" + line + "\r\nend"));
    EXPECT_GT(edit.document()->blockCount(), 900);
    EXPECT_EQ(edit.LineCount(), 3);
    EXPECT_EQ(edit.Line(1).size(), line.size());
    EXPECT_EQ(edit.Line(2), "end");
    EXPECT_EQ(edit.Text().size(), line.size() + 10);

    const int middle = 5 + 500000;
    edit.setSelStart(middle);
    EXPECT_EQ(edit.SelStart(), middle);
    edit.setSelLength(3000); // across pieces
    EXPECT_EQ(edit.SelText(), QString(3000, 'Q'));

    // Enter typed inside the line breaks it once, as the file breaks its lines.
    edit.setSelStart(middle);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&edit, &enter);
    EXPECT_EQ(edit.LineCount(), 4);
    EXPECT_EQ(edit.SelStart(), middle + 2);

    // Deleting where two pieces meet takes away no character of the text.
    QTextCursor atPiece(edit.document()->findBlockByNumber(3));
    atPiece.deletePreviousChar();
    EXPECT_EQ(edit.Text().size(), line.size() + 12);

    edit.SaveToFile(tmp.file("saved.htm"));
    const QByteArray saved = tmp.read("saved.htm");
    EXPECT_EQ(saved, "<p>\r\n" + line.left(middle - 5) + "\r\n" + line.mid(middle - 5) + "\r\nend");
}

TEST(TSRichEdit, AllTheLinesAtOnceAreTheLinesOneByOne) {
    const QByteArray longLine(5000, 'L');
    const QByteArray samples[] = {
        "",
        "\r\n",
        "one",
        "one\r\ntwo\r\n",
        "a\nb\rc\r\n\r\nd",
        "x\xE2\x80\xA9y\r\n\xEF\xB7\x90",
        "<p>\r\n" + longLine + "\r\nend",
        "a\n" + longLine + longLine + "\n",
        longLine,
    };
    TempDir tmp;
    for (const QByteArray& bytes : samples) {
        TSRichEdit edit;
        edit.LoadFromFile(tmp.write("page.htm", bytes));
        QStringList oneByOne;
        for (int i = 0; i < edit.LineCount(); ++i)
            oneByOne << edit.Line(i);
        EXPECT_EQ(edit.Lines(), oneByOne) << bytes.left(20).toHex().constData();
    }
}

TEST(TSRichEdit, TheClipboardCarriesTheTextAsItIs) {
    TSRichEdit edit;
    const QString longLine = QString(20000, QChar('w'));
    edit.setText("a\r\n" + longLine + "\r\nb");
    edit.SelectAll();
    edit.CopyToClipboard();
    edit.setText(QString());
    edit.PasteFromClipboard();
    EXPECT_EQ(edit.Text(), "a\r\n" + longLine + "\r\nb");
    EXPECT_GT(edit.document()->blockCount(), 10); // pasted in pieces, too
}
