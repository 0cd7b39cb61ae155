// The built-in preview: saved first, shown in place of the documents, and left
// for the right document.
#include "control/html_viewer.h"
#include "main_window_fixture.h"
#include "toolbox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class PreviewTest : public MainWindowTest {
protected:
    QList<QMenu*> menus() const {
        return {frm->File1, frm->Edit1, frm->HTML1, frm->Forms1, frm->Options1, frm->Tools1, frm->Window1, frm->Help1};
    }
    bool anyMenuEnabled() const {
        for (QMenu* m : menus())
            if (m->menuAction()->isEnabled())
                return true;
        return false;
    }
    bool previewShown() const { return frm->Preview->isVisibleTo(frm.get()); }
    void replaceText(const QString& text) {
        memo().SelectAll();
        memo().setSelText(text);
    }
};

TEST_F(PreviewTest, AnUntitledPageAsksForANameAndACancelLeavesEverythingAsItWas) {
    start();
    frm->Browser_Btn2->setEnabled(false);
    for (bool changed : {false, true}) {
        if (changed)
            memo().setSelText("x");
        const QString text = memo().Text();
        prompter->queueFile(std::nullopt);
        frm->Preview_BtnClick();
        EXPECT_TRUE(prompter->drained()) << "one question only";
        EXPECT_FALSE(frm->PreviewActive());
        EXPECT_FALSE(previewShown());
        EXPECT_EQ(frm->SpeedPreview_Btn->text(), "&Preview");
        EXPECT_TRUE(frm->Browser_Btn1->isEnabled());
        EXPECT_TRUE(frm->Browser_Btn2->isEnabled()) << "both are enabled again, whatever they were";
        EXPECT_TRUE(frm->ActiveDocument()->FileName.isEmpty());
        EXPECT_EQ(memo().Text(), text);
        EXPECT_EQ(memo().Modified(), changed);
    }
    EXPECT_EQ(prompter->fileDialogs.size(), 2u);

    // Named now, the blank page shows with its title as the caption.
    const QString path = dir() + "named.htm";
    prompter->queueFile(path);
    frm->Preview_BtnClick();
    EXPECT_TRUE(frm->PreviewActive());
    EXPECT_EQ(frm->Preview->CurrentFile(), path);
    EXPECT_EQ(frm->windowTitle(), "Put Your Pages's Title here ");
    EXPECT_FALSE(memo().Modified());
}

TEST_F(PreviewTest, AChangedPageIsSavedShownWithEverythingElseOffAndLeftByTheButtonOnly) {
    const QString path = file("page.htm", "<TITLE>My Page</TITLE><P>old");
    start({path});
    frm->Browser_Btn1->setEnabled(true);
    replaceText("<TITLE>My Page</TITLE><P>new");
    frm->Preview_BtnClick();

    EXPECT_EQ(tmp.read("page.htm"), "<TITLE>My Page</TITLE><P>new");
    EXPECT_TRUE(frm->PreviewActive());
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(frm->Preview->CurrentFile(), path);
    EXPECT_EQ(frm->windowTitle(), "My Page");
    EXPECT_EQ(frm->SpeedPreview_Btn->text(), "&Codes");
    EXPECT_EQ(frm->SpeedPreview_Btn->toolTip(), "Return to Editor");
    EXPECT_EQ(frm->SpeedPreview_Btn->property("tag").toInt(), 999);
    EXPECT_TRUE(frm->SpeedPreview_Btn->isEnabled());
    EXPECT_TRUE(frm->Preview_Print_BTN->isVisibleTo(frm.get()));
    EXPECT_TRUE(frm->URL_Panel->isVisibleTo(frm.get()));
    for (QWidget* off : std::initializer_list<QWidget*>{frm->New_Btn, frm->Open_Btn, frm->Save_Btn, frm->Browser_Btn1,
                                                        frm->ToolBox->cutButton(), frm->ToolBox->pasteButton()})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    for (QWidget* hidden : std::initializer_list<QWidget*>{frm->TabPanel, frm->ToolBox, frm->ToolBox_Horiz})
        EXPECT_FALSE(hidden->isVisibleTo(frm.get())) << hidden->objectName().toStdString();
    EXPECT_FALSE(anyMenuEnabled());

    // The link under the mouse is shown at the bottom.
    frm->Preview->OnHotSpotCovered("other.htm");
    EXPECT_EQ(frm->URL_Panel->text(), "other.htm");

    QCloseEvent refused;
    QCoreApplication::sendEvent(frm.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(prompter->messageTexts(),
              QStringList{"Please exit the Previewer first before exiting this application .."});

    frm->Preview_BtnClick();
    EXPECT_FALSE(frm->PreviewActive());
    EXPECT_FALSE(previewShown());
    EXPECT_EQ(frm->SpeedPreview_Btn->text(), "&Preview");
    EXPECT_EQ(frm->SpeedPreview_Btn->property("tag").toInt(), -1);
    EXPECT_EQ(frm->windowTitle(), "Zor-Vel - [page.htm]");
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(frm->New_Btn->isEnabled());
    EXPECT_TRUE(frm->Browser_Btn1->isEnabled());
    EXPECT_FALSE(frm->Preview_Print_BTN->isVisibleTo(frm.get()));
    EXPECT_FALSE(frm->URL_Panel->isVisibleTo(frm.get()));
    EXPECT_TRUE(frm->TabPanel->isVisibleTo(frm.get()));
    EXPECT_TRUE(frm->ToolBox->isVisibleTo(frm.get()));
    for (QMenu* m : menus())
        EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    EXPECT_EQ(frm->DocumentCount(), 1);

    QCloseEvent accepted;
    QCoreApplication::sendEvent(frm.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
}

TEST_F(PreviewTest, LeavingAfterFollowingALinkBringsThatPagesDocumentForward) {
    const QString a = file("a.htm", "<A HREF=\"b.htm\">to b</A>");
    const QString b = file("b.htm", "<TITLE>B</TITLE>page b");
    for (bool alreadyOpen : {false, true}) {
        SCOPED_TRACE(alreadyOpen);
        start({a});
        TEditForm* first = frm->ActiveDocument();
        if (alreadyOpen) {
            frm->OpenDocument(b, true);
            frm->mdiArea->setActiveSubWindow(first);
        }
        frm->Preview_BtnClick();
        frm->Preview->FollowLink("b.htm");
        EXPECT_EQ(frm->Preview->CurrentFile(), b);
        frm->Preview_BtnClick();

        EXPECT_EQ(frm->DocumentCount(), 2);
        ASSERT_NE(frm->ActiveDocument(), first);
        EXPECT_EQ(frm->ActiveDocument()->FileName, b);
        EXPECT_FALSE(memo().Modified());
        EXPECT_EQ(tabTexts(), (QStringList{"a.htm", "b.htm"}));
        if (!alreadyOpen) {
            EXPECT_EQ(frm->FileHistory().entries().value(0), b);
        }
        EXPECT_TRUE(prompter->messages.empty());
        TearDown();
    }
}

TEST_F(PreviewTest, BackAndForwardGoThroughThePagesFollowedWithTheCaptionAndPanelFollowing) {
    const QString a = file("a.htm", "<TITLE>A</TITLE><A HREF=\"b.htm\">to b</A>");
    const QString b = file("b.htm", "<TITLE>B</TITLE><A NAME=end>end</A>");
    start({a});
    EXPECT_FALSE(frm->Back_Btn->isVisibleTo(frm.get()));
    frm->Preview_BtnClick();
    EXPECT_TRUE(frm->Back_Btn->isVisibleTo(frm.get()));
    EXPECT_EQ(frm->Back_Btn->text(), "Back");
    EXPECT_EQ(frm->Forward_Btn->text(), "Forward");
    EXPECT_FALSE(frm->Back_Btn->isEnabled()) << "nothing followed yet";
    frm->Preview->OnHotSpotCovered("b.htm");
    frm->Preview->FollowLink("b.htm");
    EXPECT_EQ(frm->windowTitle(), "B");
    EXPECT_EQ(frm->URL_Panel->text(), "") << "the panel spoke of the page before";
    EXPECT_TRUE(frm->Back_Btn->isEnabled());
    EXPECT_FALSE(frm->Forward_Btn->isEnabled());

    const auto key = [this](int k, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, k, modifiers);
        QCoreApplication::sendEvent(frm->Preview, &press);
    };
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(frm->Preview->CurrentFile(), a);
    EXPECT_EQ(frm->windowTitle(), "A");
    EXPECT_TRUE(frm->Forward_Btn->isEnabled());
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(frm->Preview->CurrentFile(), b);
    key(Qt::Key_Backspace, Qt::NoModifier);
    EXPECT_EQ(frm->Preview->CurrentFile(), a);
    frm->Forward_Btn->click();
    EXPECT_EQ(frm->windowTitle(), "B");
    frm->Back_Btn->click();
    EXPECT_EQ(frm->windowTitle(), "A");

    // Codes leads to the page shown; the next preview starts a way of its own.
    frm->Preview_BtnClick();
    EXPECT_FALSE(frm->Back_Btn->isVisibleTo(frm.get()));
    frm->Preview_BtnClick();
    EXPECT_FALSE(frm->Back_Btn->isEnabled());
    EXPECT_FALSE(frm->Forward_Btn->isEnabled());
    EXPECT_TRUE(prompter->messages.empty());
}

// The display shows the caret, in whichever document comes forward.
TEST_F(PreviewTest, AfterThePreviewThePositionDisplayShowsTheCaret) {
    QByteArray text;
    for (int i = 1; i <= 20; ++i)
        text += "<P>line " + QByteArray::number(i) + "\r\n";
    const QString path = file("page.htm", text + "<P>last");
    start({path});
    memo().setSelStart(memo().Text().indexOf("line 3") + 2);
    ASSERT_EQ(frm->RowCol1->text(), "3: 6");
    frm->Preview_BtnClick();
    frm->Preview_BtnClick();
    EXPECT_EQ(frm->RowCol1->text(), "3: 6");
}

// With the live pane the panel stays in sight: what it said is gone once the
// preview closes or another document comes forward.
TEST_F(PreviewTest, TheStatusPanelIsClearedWhenThePreviewClosesOrTheDocumentChanges) {
    writeIni("[Options]\nLive_Preview=1\n");
    start({file("a.htm", "<FORM ACTION=/go><INPUT TYPE=SUBMIT></FORM>")});
    TEditForm* first = frm->ActiveDocument();
    frm->Preview_BtnClick();
    frm->Preview->OnFormSubmit("/go", "get", {});
    ASSERT_EQ(frm->URL_Panel->text(), "GET /go:");
    frm->Preview_BtnClick();
    EXPECT_TRUE(frm->URL_Panel->isVisibleTo(frm.get()));
    EXPECT_EQ(frm->URL_Panel->text(), "");

    frm->URL_Panel->setText("a.htm"); // a link under the mouse in the live pane
    frm->New1Click();
    EXPECT_EQ(frm->URL_Panel->text(), "");
    frm->URL_Panel->setText("b.htm");
    frm->mdiArea->setActiveSubWindow(first);
    EXPECT_EQ(frm->URL_Panel->text(), "");
}

TEST_F(PreviewTest, APageThatFailsToParseOrIsEmptyStillShowsAndTheWayBackWorks) {
    // A table of more than 30 columns is left out; the error is shown once.
    const std::string wide =
        "<TITLE>Wide</TITLE><TABLE><TR>" + QByteArray("<TD>x").repeated(31).toStdString() + "</TABLE>after";
    const struct {
        const char* bytes;
        int messages;
        const char* caption;
    } cases[] = {{"<TITLE>Half</TITLE>text<!-- open", 1, "Half"}, {"", 0, ""}, {wide.c_str(), 1, "Wide"}};
    for (const auto& c : cases) {
        const QString path = file("p.htm", c.bytes);
        start({path});
        frm->Preview_BtnClick();
        EXPECT_EQ(int(prompter->messages.size()), c.messages) << c.bytes;
        EXPECT_TRUE(frm->PreviewActive());
        EXPECT_TRUE(previewShown());
        EXPECT_TRUE(frm->SpeedPreview_Btn->isEnabled());
        EXPECT_EQ(frm->windowTitle(), c.caption);
        frm->Preview->resize(frm->Preview->width() - 50, frm->Preview->height());
        EXPECT_EQ(int(prompter->messages.size()), c.messages) << "not again at a new layout";
        frm->Preview_BtnClick();
        EXPECT_FALSE(frm->PreviewActive());
        EXPECT_FALSE(previewShown());
        EXPECT_EQ(frm->DocumentCount(), 1);
        TearDown();
    }
}

TEST_F(PreviewTest, FontAndPicturesComeFromTheSettingsAndAreStoredWhenChanged) {
    writeIni("[Options]\nPreview_Font_Name=Courier New\nPreview_Font_Size=0\nShow_Graphics=0\n");
    start();
    EXPECT_EQ(frm->Preview->DefFontName(), "Courier New");
    EXPECT_EQ(frm->Preview->DefFontSize(), 12);
    EXPECT_FALSE(frm->Preview->ViewImages());

    frm->ShowImages1->trigger();
    EXPECT_TRUE(frm->ShowImages1->isChecked());
    EXPECT_TRUE(frm->Preview->ViewImages());
    EXPECT_EQ(ini().readString("Options", "Show_Graphics", ""), "1");

    prompter->queueFont(QFont("Times New Roman", 4));
    frm->Font2Click();
    EXPECT_EQ(frm->Preview->DefFontName(), "Times New Roman");
    EXPECT_EQ(frm->Preview->DefFontSize(), 6);
    EXPECT_EQ(ini().readString("Options", "Preview_Font_Name", ""), "Times New Roman");
    EXPECT_EQ(ini().readInteger("Options", "Preview_Font_Size", 0), 4);
}

TEST_F(PreviewTest, ASubmittedFormIsShownInThePanelAndSentNowhere) {
    const QString path = file("form.htm", "<FORM METHOD=post ACTION=/cgi-bin/mail><INPUT NAME=name>"
                                          "<INPUT NAME=email><INPUT TYPE=SUBMIT></FORM>");
    start({path});
    frm->Preview_BtnClick();
    ASSERT_TRUE(previewShown());
    const QList<QLineEdit*> edits = frm->Preview->viewport()->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    edits[0]->setText("Ann");
    edits[1]->setText("<b>a@b.c</b>"); // shown as typed, not as markup
    frm->Preview->viewport()->findChild<QPushButton*>()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(frm->URL_Panel->text(), "POST /cgi-bin/mail: name=Ann; email=<b>a@b.c</b>");
    EXPECT_EQ(frm->URL_Panel->textFormat(), Qt::PlainText);
    EXPECT_TRUE(prompter->messages.empty());
}

} // namespace
