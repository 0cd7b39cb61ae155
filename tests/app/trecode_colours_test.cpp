// Syntax colours in the editor buffer: the lines shown are coloured, and the
// text, its line breaks, the undo history and the changed flag never notice.
#include "temp_dir.h"
#include "trecode.h"
#include "trecode_colours.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

namespace {

// Every signal that tells the page was edited, counted.
struct EditSignals {
    int textChanged = 0, contentsChanged = 0, contentsChange = 0, modificationChanged = 0, undoAdded = 0;
    explicit EditSignals(TSRichEdit& edit) {
        QObject::connect(&edit, &QPlainTextEdit::textChanged, [this] { ++textChanged; });
        QTextDocument* doc = edit.document();
        QObject::connect(doc, &QTextDocument::contentsChanged, [this] { ++contentsChanged; });
        QObject::connect(doc, &QTextDocument::contentsChange, [this] { ++contentsChange; });
        QObject::connect(doc, &QTextDocument::modificationChanged, [this] { ++modificationChanged; });
        QObject::connect(doc, &QTextDocument::undoCommandAdded, [this] { ++undoAdded; });
    }
    int total() const { return textChanged + contentsChanged + contentsChange + modificationChanged + undoAdded; }
};

QList<QVariant> blockFormats(const TSRichEdit& edit) {
    QList<QVariant> formats;
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
        formats << QVariant(b.blockFormat());
    return formats;
}

// The colour of the character at a document position, or none.
QColor colourAt(const TSRichEdit& edit, int position) {
    const QTextBlock block = edit.document()->findBlock(position);
    for (const QTextLayout::FormatRange& r : block.layout()->formats())
        if (position - block.position() >= r.start && position - block.position() < r.start + r.length)
            return r.format.foreground().color();
    return {};
}

void paint(TSRichEdit& edit) {
    edit.viewport()->repaint();
    QCoreApplication::processEvents();
}

} // namespace

TEST(SyntaxColours, ColouringChangesNeitherTextNorBreaksNorUndoNorTheChangedFlag) {
    TempDir tmp;
    // Mixed line ends, a line long enough to be shown in pieces, and a character
    // the buffer keeps as a stand-in: everything the buffer keeps apart from the text.
    QByteArray bytes = "<HTML>\r\n<!-- a > b -->\n<P ALIGN=center>&amp;\r\xe2\x80\xa9<IMG SRC=\"x.gif\">\r\n";
    for (int i = 0; i < 300; ++i)
        bytes += "<A HREF=\"p.htm#z\">item</A> ";
    bytes += "\r\nend";
    const QString path = tmp.write("page.htm", bytes);

    TSRichEdit edit;
    edit.resize(500, 400);
    edit.show();
    edit.LoadFromFile(path);
    edit.setSelStart(20);
    edit.document()->clearUndoRedoStacks();
    const QString text = edit.Text();
    const QList<QVariant> formats = blockFormats(edit);
    EditSignals sent(edit);

    edit.setSyntaxColours(true);
    paint(edit);
    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    paint(edit);

    EXPECT_TRUE(colourAt(edit, 0).isValid()) << "the page is coloured";
    EXPECT_EQ(sent.total(), 0);
    EXPECT_EQ(edit.Text(), text);
    EXPECT_EQ(blockFormats(edit), formats);
    EXPECT_FALSE(edit.Modified());
    EXPECT_FALSE(edit.document()->isUndoAvailable());
    EXPECT_FALSE(edit.document()->isRedoAvailable());
    EXPECT_EQ(edit.SelStart(), 20);
    edit.SaveToFile(tmp.path() + "/saved.htm");
    EXPECT_EQ(tmp.read("saved.htm"), bytes);

    // A key typed is one edit, undone to the very text; colouring adds nothing to it.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("<"));
    QCoreApplication::sendEvent(&edit, &key);
    paint(edit);
    EXPECT_EQ(edit.document()->availableUndoSteps(), 1);
    EXPECT_TRUE(edit.Modified());
    edit.Undo();
    paint(edit);
    EXPECT_EQ(edit.Text(), text);
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(blockFormats(edit), formats);

    // Switched off, the colours go and nothing else changes.
    const int before = sent.total();
    edit.setSyntaxColours(false);
    paint(edit);
    EXPECT_EQ(sent.total(), before);
    EXPECT_FALSE(colourAt(edit, 0).isValid());
    EXPECT_EQ(edit.Text(), text);
    EXPECT_FALSE(edit.Modified());
}

TEST(SyntaxColours, OnlyTheLinesShownAreReadAndAnEditAboveIsSeenFurtherDown) {
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += i < 15000    ? QStringLiteral("text &amp; more\n")
                : i == 15000 ? QStringLiteral("a > b --> c\n")
                             : QStringLiteral("<B>line</B>\n");
    TSRichEdit edit;
    edit.resize(500, 400);
    edit.show();
    edit.setSyntaxColours(true);
    edit.setText(text);
    edit.setSelStart(0);
    edit.ensureCursorVisible();
    paint(edit);
    SyntaxColourer* colourer = edit.syntaxColourer();
    ASSERT_NE(colourer, nullptr);
    EXPECT_LT(colourer->linesRead(), 200) << "the page is not read as a whole";
    const QColor entity = colourAt(edit, 5);
    ASSERT_TRUE(entity.isValid());

    // A comment opened at the top runs to the "-->" of line 15000, which the
    // lines there show when they are scrolled to.
    edit.setSelText("<!--");
    paint(edit);
    const QColor comment = colourAt(edit, 10);
    ASSERT_TRUE(comment.isValid());
    EXPECT_NE(comment, entity);
    auto lineStart = [&](int line) { return edit.document()->findBlockByNumber(line).position(); };
    edit.setSelStart(edit.toOffset(lineStart(15010)));
    edit.ensureCursorVisible();
    paint(edit);
    EXPECT_EQ(colourAt(edit, lineStart(14990) + 5), comment) << "still in the comment";
    const QColor tag = colourAt(edit, lineStart(15010));
    EXPECT_TRUE(tag.isValid() && tag != comment) << "after the comment's -->";

    // Taken back, the lines far down show their entities again once shown.
    edit.Undo();
    paint(edit);
    edit.setSelStart(edit.toOffset(lineStart(15010)));
    edit.ensureCursorVisible();
    paint(edit);
    EXPECT_EQ(colourAt(edit, lineStart(14990) + 5), entity);
}

TEST(SyntaxColours, ThePaletteIsReadableOnLightAndDarkBackgrounds) {
    for (const char* background :
         {"#ffffff", "#fffbe6", "#f0f0f0", "#777777", "#3c3f41", "#1e1e1e", "#000000", "#000080"}) {
        const SyntaxPalette palette = syntaxPaletteFor(QColor(QLatin1String(background)));
        for (const QColor& colour : palette.colours)
            EXPECT_GE(contrastRatio(colour, QColor(QLatin1String(background))), 4.5)
                << background << " " << colour.name().toStdString();
        // Five things to tell apart: five colours.
        for (std::size_t i = 0; i < palette.colours.size(); ++i)
            for (std::size_t j = i + 1; j < palette.colours.size(); ++j)
                EXPECT_NE(palette.colours[i], palette.colours[j]) << background;
    }
}
