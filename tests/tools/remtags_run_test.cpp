#include "remtags_run.h"
#include "remtagsu.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "tools_texts.h"
#include "waitu.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zorvel {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;
using Action = RemoveTagsOutcome::Action;

bool waitWindowOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TWaitFrm*>(w))
            return true;
    return false;
}

// Checks at every question and file dialog that the progress window and the
// hourglass are gone, as they must be before the result is delivered.
class CheckingPrompter : public ScriptedPrompter {
public:
    int checks = 0;
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override {
        check();
        return ScriptedPrompter::message(text, icon, buttons);
    }
    std::optional<QString> saveFileName(const FileDialogOptions& chooser) override {
        check();
        return ScriptedPrompter::saveFileName(chooser);
    }

private:
    void check() {
        ++checks;
        EXPECT_FALSE(waitWindowOpen());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
};

// The options dialog accepted with the named check boxes ticked.
ScriptedPrompter::DialogScript accept(std::initializer_list<const char*> ticked = {}) {
    std::vector<QString> names(ticked.begin(), ticked.end());
    return [names](QDialog& d) {
        for (const QString& name : names)
            d.findChild<QCheckBox*>(name)->setChecked(true);
        return int(QDialog::Accepted);
    };
}

class RemoveTagsRun : public ::testing::Test {
protected:
    TempDir dir;
    CheckingPrompter prompter;
    QString document;

    RemoveTagsRequest request(const QString& working, bool selection) {
        RemoveTagsRequest r;
        r.workingText = working;
        r.selection = selection;
        r.programDir = dir.path() + "/";
        r.saveDialog.title = "Save a HTML file";
        r.documentText = [this] { return document; };
        return r;
    }
    RemoveTagsOutcome run(const RemoveTagsRequest& r) { return runRemoveTags(prompter, nullptr, r); }

    void TearDown() override {
        EXPECT_TRUE(prompter.drained());
        EXPECT_FALSE(waitWindowOpen());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
};

TEST_F(RemoveTagsRun, CancelChangesNothing) {
    document = "<B>Hello</B> world";
    prompter.queueDialog([](QDialog&) { return int(QDialog::Rejected); });
    const RemoveTagsOutcome out = run(request(document, false));
    EXPECT_TRUE(out.cancelled);
    EXPECT_EQ(out.action, Action::Nothing);
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>{"zorvel::TRemoveTagFrm"});
}

TEST_F(RemoveTagsRun, WholeDocumentGoesToTheChosenFile) {
    document = "<B>Hello</B> world<P>two";
    prompter.queueDialog(accept({"BR_P_CheckBox"}));
    prompter.queueFile(dir.file("plain.txt"));
    const RemoveTagsOutcome out = run(request(document, false));
    EXPECT_EQ(out.action, Action::Nothing);
    EXPECT_FALSE(out.cancelled);
    EXPECT_EQ(dir.read("plain.txt"), "Hello world\r\ntwo\r\n");
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].directory, dir.path() + "/");
    EXPECT_EQ(prompter.fileDialogs[0].title, "Save a HTML file");
    EXPECT_TRUE(prompter.messages.empty()) << "no question for a whole document";
}

TEST_F(RemoveTagsRun, CancelledSaveDropsTheResult) {
    document = "<B>Hello</B>";
    prompter.queueDialog(accept());
    prompter.queueFile(std::nullopt);
    EXPECT_EQ(run(request(document, false)).action, Action::Nothing);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(RemoveTagsRun, SelectionAnsweredYesIsSavedToAFile) {
    document = "<I>keep</I> <B>sel</B> <I>keep</I>";
    prompter.queueDialog(accept());
    prompter.queueAnswer(MessageAnswer::Yes);
    prompter.queueFile(dir.file("sel.txt"));
    EXPECT_EQ(run(request("<B>sel</B>", true)).action, Action::Nothing);
    EXPECT_EQ(prompter.messageTexts(), QStringList{kSaveSeparateQuestion});
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dir.read("sel.txt"), "sel\r\n");
}

TEST_F(RemoveTagsRun, SelectionAnsweredNoReplacesTheSelection) {
    document = "<I>keep</I> <B>a&amp;amp;b</B>";
    prompter.queueDialog(accept({"Amp_CheckBox"}));
    prompter.queueAnswer(MessageAnswer::No);
    const RemoveTagsOutcome out = run(request("<B>a&amp;amp;b</B>", true));
    EXPECT_EQ(out.action, Action::ReplaceSelection);
    EXPECT_EQ(out.text, "a&b");
    EXPECT_TRUE(prompter.fileDialogs.empty());
}

TEST_F(RemoveTagsRun, InvalidHtmlNamesTheLineOfTheSnippet) {
    document = "<HTML>\r\n<B>x</B>\r\n 5 > 3 <I>y</I>\r\n";
    prompter.queueDialog(accept());
    const RemoveTagsOutcome out = run(request(document, false));
    EXPECT_EQ(out.action, Action::ShowMessage);
    EXPECT_EQ(out.text, "Process Terminated\r\nInvalid HTML Code on line :3");
    EXPECT_TRUE(prompter.fileDialogs.empty());

    // With the editor's own row count (wrapped rows) the editor decides.
    RemoveTagsRequest r = request(document, false);
    int asked = -1;
    r.rowOfOffset = [&](int offset) {
        asked = offset;
        return 6;
    };
    prompter.queueDialog(accept());
    EXPECT_EQ(run(r).text, invalidHtmlMessage(7));
    EXPECT_EQ(asked, document.indexOf("> 3"));
}

TEST_F(RemoveTagsRun, SelectionStartingInsideATagIsInvalid) {
    document = "<P>one</P>\r\n<B>text<I>";
    prompter.queueDialog(accept());
    const RemoveTagsOutcome out = run(request("B>text<I", true));
    EXPECT_EQ(out.action, Action::ShowMessage);
    EXPECT_EQ(out.text, invalidHtmlMessage(2));
}

TEST_F(RemoveTagsRun, InvalidHtmlNotInTheDocumentEndsSilently) {
    // The line-break pass has changed the text behind the ">".
    document = "x>a<P>b<";
    prompter.queueDialog(accept({"BR_P_CheckBox"}));
    const RemoveTagsOutcome out = run(request(document, false));
    EXPECT_EQ(out.action, Action::Nothing);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(prompter.fileDialogs.empty());
}

TEST_F(RemoveTagsRun, LengthLimit) {
    const QString longest = QString(kMaxRemoveTagsText - 3, 'x') + "<b>";
    document = longest;
    prompter.queueDialog(accept());
    prompter.queueFile(dir.file("long.txt"));
    run(request(longest, false));
    EXPECT_EQ(dir.read("long.txt").size(), 65531 + 2);

    document = longest + "x";
    prompter.queueDialog(accept());
    EXPECT_THROW(run(request(document, false)), TextTooLongError);

    // The document is read for the snippet's line: too long there too.
    prompter.queueDialog(accept());
    EXPECT_THROW(run(request("a>b<", true)), TextTooLongError);
}

TEST(TRemoveTagFrm, ControlsAsStoredAndOptionsFromEachBox) {
    TRemoveTagFrm frm;
    EXPECT_EQ(frm.windowTitle(), "Remove Tags");
    EXPECT_FALSE(frm.windowFlags() & Qt::WindowCloseButtonHint);
    auto* label = frm.findChild<QLabel*>("Label1");
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(label->text().startsWith("This facility will remove all HTML tags"));
    EXPECT_EQ(frm.findChild<QPushButton*>("OK_Btn")->text(), "&Ok");
    EXPECT_EQ(frm.findChild<QPushButton*>("Cancel_Btn")->text(), "&Cancel");

    struct Box {
        const char* name;
        const char* caption;
        bool RemoveTagOptions::*field;
    };
    const Box boxes[] = {
        {"BR_P_CheckBox", "Convert <BR> && <P> to line breaks", &RemoveTagOptions::breaks},
        {"Amp_CheckBox", "Convert &&amp to && symbol", &RemoveTagOptions::amp},
        {"LT_CheckBox", "Convert &&lt to < symbol", &RemoveTagOptions::lt},
        {"GT_CheckBox", "Convert &&gt to > symbol", &RemoveTagOptions::gt},
    };
    for (const Box& b : boxes) {
        auto* box = frm.findChild<QCheckBox*>(b.name);
        ASSERT_TRUE(box) << b.name;
        EXPECT_EQ(box->text(), b.caption);
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        const RemoveTagOptions o = frm.options();
        for (const Box& other : boxes)
            EXPECT_EQ(o.*other.field, &other == &b) << b.name << " ticked, " << other.name;
        box->setChecked(false);
    }
}

TEST(TWaitFrm, BorderlessWithPassTexts) {
    TWaitFrm wait;
    EXPECT_TRUE(wait.windowFlags() & Qt::FramelessWindowHint);
    auto* status = wait.findChild<QLabel*>("StatusLabel");
    ASSERT_EQ(status, wait.StatusLabel);
    EXPECT_TRUE(status->font().bold());
    EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(wait.findChild<QLabel*>("Label1")->text(), "Please wait, removing Tags ..");
    const std::pair<RemoveTagPass, const char*> shown[] = {
        {RemoveTagPass::LineBreaks, "Processing <P> & <BR> tags"},
        {RemoveTagPass::Tags, "Removing all tags"},
        {RemoveTagPass::Amp, "Processing &amp tags"},
        {RemoveTagPass::Lt, "Processing &lt tags"},
        {RemoveTagPass::Gt, "Processing &gt tags"},
    };
    for (const auto& [pass, text] : shown) {
        wait.showPass(pass);
        EXPECT_EQ(status->text(), text);
    }
    EXPECT_EQ(status->textFormat(), Qt::PlainText) << "<P> must not be taken for markup";
}

} // namespace
} // namespace zorvel
