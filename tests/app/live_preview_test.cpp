// The live preview beside the documents and the syntax-colour switch: what the
// pane shows and when, which document it follows, and the settings kept.
#include "headless/dump.h"
#include "live_preview.h"
#include "main_window_fixture.h"

#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class LivePreviewTest : public MainWindowTest {
protected:
    TLivePreviewViewer& pane() { return *frm->livePreview()->pane(); }
    QString shown() { return dumpModelText(pane().Document(), pane().NameList(), TParseStrings{}); }
    void typeAtEnd(const QString& text) {
        memo().setSelStart(memo().Text().size());
        memo().setSelText(text);
    }
    void switchOn() {
        frm->LivePreview1->setChecked(true);
        frm->LivePreview1Click();
    }
};

TEST(LivePreviewDelay, QuickPagesFollowTheTypingSlowOnesWaitLonger) {
    const struct {
        qint64 loadMs;
        int delayMs;
    } cases[] = {{0, 300}, {kLivePreviewSlowLoadMs, 300}, {100, 700}, {400, 1900}, {4000, 16300}};
    for (const auto& c : cases)
        EXPECT_EQ(livePreviewDelay(c.loadMs), c.delayMs) << c.loadMs;
}

TEST_F(LivePreviewTest, OffByDefaultThenStoredAndRestoredWithItsWidth) {
    start();
    EXPECT_FALSE(frm->LivePreview1->isChecked());
    EXPECT_FALSE(pane().isVisible());
    EXPECT_FALSE(frm->URL_Panel->isVisible());

    switchOn();
    EXPECT_TRUE(pane().isVisible());
    EXPECT_TRUE(ini().readBool("Options", "Live_Preview", false));
    EXPECT_GT(pane().Document().Count(), 0) << "the blank page is shown at once";

    frm->LivePreview1->setChecked(false);
    frm->LivePreview1Click();
    EXPECT_FALSE(pane().isVisible());
    EXPECT_FALSE(ini().readBool("Options", "Live_Preview", true));
    EXPECT_GT(ini().readInteger("Options", "Live_Preview_Width", 0), 0) << "the width is kept for next time";

    TearDown();
    writeIni("[Options]\nLive_Preview=1\nLive_Preview_Width=333\n");
    start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frm->LivePreview1->isChecked());
    EXPECT_TRUE(pane().isVisible());
    EXPECT_EQ(pane().width(), 333);
}

TEST_F(LivePreviewTest, AChangeAppearsAfterThePauseWithTheScrollPositionKept) {
    QByteArray page = "<html><title>First</title><body>\r\n";
    for (int i = 0; i < 300; ++i)
        page += "<p>line " + QByteArray::number(i) + "\r\n";
    start({file("page.htm", page + "</body></html>\r\n")});
    switchOn();
    EXPECT_EQ(pane().Title(), "First");
    pane().verticalScrollBar()->setValue(900);

    memo().SelectAll();
    memo().setSelText(memo().Text().replace("First", "Second"));
    EXPECT_EQ(pane().Title(), "First") << "nothing is loaded while the user types";
    EXPECT_TRUE(frm->livePreview()->pending());
    EXPECT_EQ(frm->livePreview()->delayMs(), livePreviewDelay(frm->livePreview()->lastLoadMs()));

    frm->livePreview()->tick();
    EXPECT_FALSE(frm->livePreview()->pending());
    EXPECT_EQ(pane().Title(), "Second") << "the unsaved text, not the file";
    EXPECT_EQ(pane().verticalScrollBar()->value(), 900);
    EXPECT_TRUE(memo().Modified()) << "the pane never saves";

    frm->livePreview()->tick();
    EXPECT_EQ(pane().Title(), "Second") << "a tick without a change loads nothing new";
}

TEST_F(LivePreviewTest, AnEightBitPageReadsAsThePreviewReadsIt) {
    start({file("quotes.htm", "<p>\x93quoted\x94 \x96 5\x80 caf\xE9")});
    switchOn();
    EXPECT_TRUE(shown().contains(QString::fromUtf8("\u201Cquoted\u201D \u2013 5\u20AC caf\u00E9")))
        << shown().toStdString();
}

TEST_F(LivePreviewTest, FollowsTheDocumentInFrontAndIsEmptyWithNone) {
    const QString a = file("a.htm", "<title>A</title>alpha");
    const QString b = file("b.htm", "<title>B</title>beta");
    start({a});
    switchOn();
    TEditForm* first = frm->ActiveDocument();
    EXPECT_EQ(pane().Title(), "A");
    TEditForm* second = frm->OpenDocument(b, true);
    second->showMaximized();
    frm->livePreview()->tick(); // its text came in after it was brought to the front
    EXPECT_EQ(pane().Title(), "B");
    EXPECT_EQ(frm->livePreview()->followed(), second);

    // A change in a document behind the front one does not reach the pane.
    first->MemoPad->SelectAll();
    first->MemoPad->setSelText("<title>changed</title>");
    EXPECT_FALSE(frm->livePreview()->pending());
    frm->mdiArea->setActiveSubWindow(first);
    EXPECT_EQ(pane().Title(), "changed");

    for (TEditForm* form : frm->windowOrder())
        form->MemoPad->setModified(false);
    frm->CloseAll1Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(frm->DocumentCount(), 0);
    EXPECT_EQ(pane().Document().Count(), 0);
    EXPECT_EQ(frm->livePreview()->followed(), nullptr);
}

TEST_F(LivePreviewTest, PicturesAndLinksAreFoundBesideTheDocument) {
    QDir().mkpath(dir() + "sub");
    start({file("sub/page.htm", "<p>x")});
    switchOn();
    EXPECT_EQ(pane().ExpandLinkFileName("pic.gif"), dir() + "sub/pic.gif");
    EXPECT_EQ(pane().ExpandLinkFileName("/abs/pic.gif"), "/abs/pic.gif");

    frm->New1Click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(frm->ActiveDocument()->FileName.isEmpty());
    EXPECT_EQ(pane().ExpandLinkFileName("pic.gif"), "") << "an untitled page has no folder";
    EXPECT_EQ(pane().ExpandLinkFileName("/abs/pic.gif"), "/abs/pic.gif");
}

TEST_F(LivePreviewTest, StepsAsideForTheBuiltInPreviewAndComesBack) {
    start({file("page.htm", "<title>T</title><a href=\"other.htm\">link</a>")});
    switchOn();
    frm->Preview_BtnClick();
    ASSERT_TRUE(frm->PreviewActive());
    EXPECT_FALSE(pane().isVisible());
    EXPECT_TRUE(frm->Preview->isVisible());
    EXPECT_TRUE(frm->URL_Panel->isVisible());
    frm->Preview_BtnClick();
    EXPECT_FALSE(frm->PreviewActive());
    EXPECT_TRUE(pane().isVisible());
    EXPECT_TRUE(frm->URL_Panel->isVisible()) << "it shows the links under the mouse in the pane";
    EXPECT_EQ(pane().Title(), "T");
}

TEST_F(LivePreviewTest, SyntaxColoursOnByDefaultSwitchedForEveryDocumentAndStored) {
    start();
    EXPECT_TRUE(frm->SyntaxColours1->isChecked());
    EXPECT_TRUE(memo().syntaxColours());
    frm->New1Click();
    QCoreApplication::processEvents();
    frm->SyntaxColours1->setChecked(false);
    frm->SyntaxColours1Click();
    for (TEditForm* form : frm->windowOrder())
        EXPECT_FALSE(form->MemoPad->syntaxColours());
    EXPECT_FALSE(ini().readBool("Options", "Syntax_Colours", true));

    TearDown();
    start();
    EXPECT_FALSE(frm->SyntaxColours1->isChecked());
    EXPECT_FALSE(memo().syntaxColours()) << "new documents follow the stored setting";
}

} // namespace
