// Remove Tags from the main window: where the result goes, what the document
// keeps, the messages and the automatic-save timer.
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class RemoveTagsTest : public MainWindowTest {
protected:
    // Automatic saving configured, so the timer's state can be seen; the
    // document holds exactly text, unchanged.
    void startWith(const QString& text) {
        writeIni("[Options]\nSave_Interval=5\n[Files]\nSave_Dir=/nowhere/\n");
        start();
        ASSERT_TRUE(frm->SaverTimer()->isActive());
        memo().setText(text);
        memo().setModified(false);
        frm->Save_Btn->setEnabled(false);
    }
    void select(int start, int length) {
        memo().setSelStart(start);
        memo().setSelLength(length);
    }
    // Accepts the options dialog with the named boxes ticked, noting whether
    // the automatic save was off while it was up.
    void acceptOptions(std::initializer_list<const char*> ticked = {}) {
        std::vector<QString> names(ticked.begin(), ticked.end());
        prompter->queueDialog([this, names](QDialog& d) {
            timerOffDuringRun = !frm->SaverTimer()->isActive();
            for (const QString& name : names)
                d.findChild<QCheckBox*>(name)->setChecked(true);
            return int(QDialog::Accepted);
        });
    }
    bool timerOffDuringRun = false;

    void TearDown() override {
        EXPECT_TRUE(prompter->drained());
        MainWindowTest::TearDown();
    }
};

TEST_F(RemoveTagsTest, WholeDocumentGoesToAFileAndTheDocumentKeepsItsTags) {
    startWith("<B>Hello</B> world<P>two");
    acceptOptions({"BR_P_CheckBox"});
    prompter->queueFile(tmp.file("plain.txt"));
    frm->RemoveTags1Click();
    EXPECT_EQ(tmp.read("plain.txt"), "Hello world\r\ntwo\r\n");
    ASSERT_EQ(prompter->fileDialogs.size(), 1u);
    EXPECT_EQ(prompter->fileDialogs[0].directory, dir()) << "the save dialog starts in the program's directory";
    EXPECT_EQ(prompter->fileDialogs[0].title, "Save a HTML file");
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_EQ(memo().Text(), "<B>Hello</B> world<P>two");
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(timerOffDuringRun);
    EXPECT_TRUE(frm->SaverTimer()->isActive());
}

TEST_F(RemoveTagsTest, SelectionAnsweredNoIsReplacedInPlaceAsOneUndoableEdit) {
    const QString original = "<I>keep</I> <B>a&amp;b</B> <I>keep</I>";
    startWith(original);
    select(12, 14); // "<B>a&amp;b</B>"
    acceptOptions({"Amp_CheckBox"});
    prompter->queueAnswer(MessageAnswer::No);
    frm->RemoveTags1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Do you wish to save the altered text in a sepearte file ?"});
    EXPECT_EQ(prompter->messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(prompter->fileDialogs.empty());
    EXPECT_EQ(memo().Text(), "<I>keep</I> a&b <I>keep</I>");
    EXPECT_EQ(memo().SelStart(), 15);
    EXPECT_EQ(memo().SelLength(), 0);
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(frm->SaverTimer()->isActive());

    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), original);
    EXPECT_EQ(memo().SelText(), "<B>a&amp;b</B>");
}

TEST_F(RemoveTagsTest, SelectionAnsweredYesGoesToAFile) {
    const QString original = "<I>keep</I> <B>sel</B>";
    startWith(original);
    select(12, 10);
    acceptOptions();
    prompter->queueAnswer(MessageAnswer::Yes);
    prompter->queueFile(tmp.file("sel.txt"));
    frm->RemoveTags1Click();
    EXPECT_EQ(tmp.read("sel.txt"), "sel\r\n");
    EXPECT_EQ(memo().Text(), original);
    EXPECT_FALSE(memo().Modified());
}

TEST_F(RemoveTagsTest, CancelAsksForNoFileAndAutomaticSavingResumes) {
    startWith("<B>x</B>");
    prompter->queueDialog([this](QDialog&) {
        timerOffDuringRun = !frm->SaverTimer()->isActive();
        return int(QDialog::Rejected);
    });
    frm->RemoveTags1Click();
    EXPECT_EQ(prompter->dialogsShown, std::vector<QString>{"zorvel::TRemoveTagFrm"});
    EXPECT_TRUE(prompter->fileDialogs.empty());
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_EQ(memo().Text(), "<B>x</B>");
    EXPECT_TRUE(timerOffDuringRun);
    EXPECT_TRUE(frm->SaverTimer()->isActive());
}

TEST_F(RemoveTagsTest, InvalidHtmlNamesTheLineAndLeavesTheDocument) {
    const QString original = "<HTML>\r\n<B>x</B>\r\n 5 > 3 <I>y</I>\r\n";
    startWith(original);
    acceptOptions();
    frm->RemoveTags1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Process Terminated\r\nInvalid HTML Code on line :3"});
    EXPECT_EQ(prompter->messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(prompter->fileDialogs.empty());
    EXPECT_EQ(memo().Text(), original);
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(frm->SaverTimer()->isActive());
}

TEST_F(RemoveTagsTest, ASelectionStartingInsideATagIsInvalid) {
    startWith("<P>\r\n<B>text<I>more</I>");
    select(6, 8); // "B>text<I": its ">" comes before any "<"
    acceptOptions();
    frm->RemoveTags1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Process Terminated\r\nInvalid HTML Code on line :2"});
    EXPECT_EQ(memo().Text(), "<P>\r\n<B>text<I>more</I>");
}

struct LengthCase {
    int length;
    bool handled;
};

class RemoveTagsLength : public RemoveTagsTest, public ::testing::WithParamInterface<LengthCase> {};

// The longest text the command handles; one more character is an unexpected
// failure that leaves automatic saving off.
TEST_P(RemoveTagsLength, AtTheLimit) {
    const LengthCase c = GetParam();
    QString text;
    while (text.size() + 100 <= c.length)
        text += QString(98, QLatin1Char('x')) + "\r\n";
    text += QString(c.length - text.size(), QLatin1Char('y'));
    text.replace(0, 3, "<B>");
    startWith(text);
    ASSERT_EQ(memo().Text().size(), c.length);
    acceptOptions();
    if (c.handled)
        prompter->queueFile(tmp.file("long.txt"));
    frm->RemoveTags1Click();
    if (c.handled) {
        EXPECT_TRUE(prompter->messages.empty());
        EXPECT_EQ(tmp.read("long.txt").size(), c.length - 3 + 2);
        EXPECT_TRUE(frm->SaverTimer()->isActive());
    } else {
        EXPECT_EQ(prompter->messageTexts(), QStringList{"An exception error occurred in RemoveTags1Click\r\n"
                                                        "Please report error to support@zorvel.org"});
        EXPECT_EQ(prompter->messages[0].icon, MessageIcon::None);
        EXPECT_TRUE(prompter->fileDialogs.empty());
        EXPECT_FALSE(frm->SaverTimer()->isActive());
    }
    EXPECT_EQ(memo().Text(), text);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RemoveTagsLength,
                         ::testing::Values(LengthCase{65534, true}, LengthCase{65535, false}));

} // namespace
