// The options dialog's OK as the main window applies it, and the editor font.
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

QLineEdit* edit(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}

int clickOk(QDialog& d) {
    d.findChild<QPushButton*>("OK_Btn")->click();
    return d.result();
}

QAction* actionOf(QToolBar* bar, QWidget* w) {
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == w)
            return a;
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, OkWithoutAnEmailAddressStoresThePlaceholderAndLinksUseIt) {
    start();
    prompter->queueDialog([](QDialog& d) {
        edit(d, "Your_Email_Address")->clear();
        return clickOk(d);
    });
    frm->Defineoptions1Click();
    EXPECT_EQ(frm->EmailAddress(), "Put_Your_Email_in_Options");
    EXPECT_EQ(ini().readString("Options", "Email_Address", ""), "Put_Your_Email_in_Options");
    memo().setSelStart(0);
    frm->MailTo1Click(nullptr);
    EXPECT_TRUE(memo().Text().contains("Put_Your_Email_in_Options")) << memo().Text().toStdString();
    EXPECT_TRUE(prompter->drained());
}

TEST_F(MainWindowTest, OkShowsOrHidesEachBrowserButtonAtOnce) {
    const QString web = file("web", "#!/bin/sh\n");
    struct Case {
        const char* what;
        QString typed1, typed2;
        bool shows1, shows2;
        QString stored1, stored2;
    } cases[] = {
        // The first browser is looked for with its blanks trimmed, the second as typed.
        {"a blank after each path", web + " ", web + " ", true, false, web, ""},
        {"both found", web, " " + web, true, false, web, ""},
        {"second as typed", "", web, false, true, "", web},
        {"neither exists", dir() + "gone", dir() + "gone", false, false, "", ""},
    };
    start();
    for (const auto& c : cases) {
        prompter->queueDialog([&](QDialog& d) {
            edit(d, "Browser_Address")->setText(c.typed1);
            edit(d, "Browser_Address_2")->setText(c.typed2);
            return clickOk(d);
        });
        frm->Defineoptions1Click();
        EXPECT_EQ(ini().readString("Options", "Browser_Address", "<none>"), c.stored1) << c.what;
        EXPECT_EQ(ini().readString("Options", "Browser_Address_2", "<none>"), c.stored2) << c.what;
        const struct {
            QToolButton* button;
            const QString& label;
            bool shows;
            const QString& stored;
        } buttons[] = {{frm->Browser_Btn1, frm->Browser_Address1, c.shows1, c.stored1},
                       {frm->Browser_Btn2, frm->Browser_Address2, c.shows2, c.stored2}};
        for (const auto& s : buttons) {
            EXPECT_EQ(s.button->isVisible(), s.shows) << c.what;
            EXPECT_EQ(actionOf(frm->SpeedBar, s.button)->isVisible(), s.shows) << c.what;
            EXPECT_EQ(s.button->isEnabled(), s.shows) << c.what;
            EXPECT_EQ(s.label, s.stored) << c.what;
            // A shown button carries the program's picture, or its name when there is none.
            if (s.shows)
                EXPECT_FALSE(s.button->icon().isNull()) << c.what;
            else
                EXPECT_TRUE(s.button->icon().isNull()) << c.what;
        }
    }
}

TEST_F(MainWindowTest, OkSwitchesTheHintsAndTheirColourAndCancelChangesNothing) {
    start();
    const QColor pink(255, 128, 192);
    prompter->queueColor(pink);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QPushButton*>("SpeedButton1")->click();
        d.findChild<QCheckBox*>("FlyByCheckBox")->setChecked(false);
        return clickOk(d);
    });
    frm->Defineoptions1Click();
    EXPECT_FALSE(frm->hintsShown());
    EXPECT_EQ(frm->hintColour(), pink);
    EXPECT_EQ(ini().readString("Options", "Show_Help", ""), "0");
    // The field was left as the dialog showed it.
    EXPECT_EQ(frm->EmailAddress(), "Your_email_address");

    const QByteArray before = tmp.read("zor-vel.ini");
    prompter->queueDialog([](QDialog& d) {
        edit(d, "Your_Email_Address")->setText("me@example.org");
        d.findChild<QCheckBox*>("FlyByCheckBox")->setChecked(true);
        return int(QDialog::Rejected);
    });
    frm->Defineoptions1Click();
    EXPECT_FALSE(frm->hintsShown());
    EXPECT_EQ(frm->EmailAddress(), "Your_email_address");
    EXPECT_EQ(tmp.read("zor-vel.ini"), before);
    EXPECT_TRUE(prompter->drained());
}

TEST_F(MainWindowTest, OptionsThatCannotBeStoredAreReportedWithTheFailuresText) {
    start();
    QDir(tmp.path()).mkdir("zor-vel.ini"); // a settings file that cannot be written
    prompter->queueDialog([](QDialog& d) {
        edit(d, "Your_Email_Address")->setText("me@example.org");
        return clickOk(d);
    });
    frm->Defineoptions1Click();
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Unable to write to "))
        << prompter->messages[0].text.toStdString();
    EXPECT_EQ(frm->EmailAddress(), "Put_Your_Email_Address_Here"); // the dialog stayed open; then Cancel
}

namespace {

// Remembers the font each font dialog started with.
class FontRecordingPrompter : public ScriptedPrompter {
public:
    std::vector<QFont> initialFonts;
    std::optional<QFont> font(const QFont& initial) override {
        initialFonts.push_back(initial);
        return ScriptedPrompter::font(initial);
    }
};

} // namespace

TEST_F(MainWindowTest, TheEditorFontGoesToEveryOpenDocumentAndIsOfferedAgainNextTime) {
    auto recording = std::make_unique<FontRecordingPrompter>();
    FontRecordingPrompter* fonts = recording.get();
    prompter = recording.get();
    MainEnvironment env;
    env.programDir = dir();
    env.screenSize = QSize(1024, 768);
    env.prompter = std::move(recording);
    env.endProcess = [](int) {};
    frm = std::make_unique<TMainFrm>(std::move(env));
    frm->show();
    frm->New1Click();
    ASSERT_EQ(frm->DocumentCount(), 2);
    const QFont original = memo().font();

    QFont courier(QStringLiteral("Courier New"), 15);
    fonts->queueFont(courier);
    frm->Font1Click();
    for (TEditForm* form : frm->windowOrder())
        EXPECT_EQ(form->MemoPad->font(), courier);
    EXPECT_EQ(fonts->initialFonts.at(0), original);

    fonts->queueFont(std::nullopt); // cancelled: nothing changes
    frm->Font1Click();
    EXPECT_EQ(fonts->initialFonts.at(1), courier);
    for (TEditForm* form : frm->windowOrder())
        EXPECT_EQ(form->MemoPad->font(), courier);
    // Not stored: a new document starts with the document window's own font.
    frm->New1Click();
    EXPECT_EQ(memo().font(), original);
    EXPECT_FALSE(QFile::exists(dir() + "zor-vel.ini") && tmp.read("zor-vel.ini").contains("Courier"));

    frm->CloseAll1Click();
    frm->Font1Click(); // without a document: no dialog
    EXPECT_EQ(fonts->initialFonts.size(), 2u);
}
