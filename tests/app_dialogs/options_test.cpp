#include "optionu.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::ScriptedPrompter;
using zorvel::testing::TempDir;

namespace {

struct OptionsFixture {
    TempDir tmp;
    QString programDir = tmp.path() + QLatin1Char('/');
    IniProfile ini{programDir + QStringLiteral("zor-vel.ini")};
    QString browser = tmp.write(QStringLiteral("web"), "#!/bin/sh\n");
    QString opt(const char* key) const { return ini.readString("Options", key, "<none>"); }
};

QLineEdit* edit(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}

const BrowserIconSource kIcon = [](const QString&) {
    QPixmap p(32, 32);
    p.fill(Qt::blue);
    return QIcon(p);
};

} // namespace

TEST(OptionsDialog, ShowsTheSettingsWithTheDialogsOwnDefaults) {
    OptionsFixture fx;
    ScriptedPrompter prompter;
    TOptionFrm dialog(prompter, fx.programDir);
    dialog.FormShow(fx.ini);
    const OptionsFields f = dialog.fields();
    EXPECT_EQ(f.emailAddress, "Your_email_address");
    EXPECT_EQ(f.browser1, "");
    EXPECT_EQ(f.browser2, "");
    EXPECT_TRUE(f.showHints);
    EXPECT_EQ(f.hintColor, QColor(Qt::yellow));

    fx.tmp.write("zor-vel.ini", "[Options]\nEmail_Address=me@x.org\nBrowser_Address_2=/b2\nShow_Help=0\n"
                                "FlyBy_BGColour=0xFF0000\n");
    dialog.FormShow(fx.ini);
    EXPECT_EQ(dialog.fields().emailAddress, "me@x.org");
    EXPECT_EQ(dialog.fields().browser2, "/b2");
    EXPECT_FALSE(dialog.fields().showHints);
    EXPECT_EQ(dialog.fields().hintColor, QColor(Qt::blue));

    // A negative colour is shown as the yellow that start-up uses for it.
    fx.tmp.write("zor-vel.ini", "[Options]\nFlyBy_BGColour=-1\n");
    EXPECT_EQ(readOptionsFields(fx.ini).hintColor, QColor(Qt::yellow));
}

TEST(OptionsDialog, TheCheckBoxSwitchesTheColourControls) {
    OptionsFixture fx;
    fx.tmp.write("zor-vel.ini", "[Options]\nShow_Help=0\n");
    ScriptedPrompter prompter;
    TOptionFrm dialog(prompter, fx.programDir);
    dialog.FormShow(fx.ini);
    auto* check = dialog.findChild<QCheckBox*>("FlyByCheckBox");
    auto* colourButton = dialog.findChild<QPushButton*>("SpeedButton1");
    auto* sample = dialog.findChild<QFrame*>("Shape1");
    EXPECT_FALSE(colourButton->isEnabled());
    EXPECT_FALSE(sample->isEnabled());
    check->click();
    EXPECT_TRUE(colourButton->isEnabled());
    EXPECT_TRUE(sample->isEnabled());
    check->click();
    EXPECT_FALSE(colourButton->isEnabled());
}

TEST(OptionsDialog, BrowseAndColourGoThroughThePrompter) {
    OptionsFixture fx;
    ScriptedPrompter prompter;
    prompter.queueFile(QStringLiteral("/Apps/FireFox"));
    prompter.queueFile(std::nullopt);
    prompter.queueColor(QColor(Qt::red));
    prompter.queueColor(std::nullopt);
    TOptionFrm dialog(prompter, fx.programDir);
    dialog.FormShow(fx.ini);
    edit(dialog, "Browser_Address_2")->setText("kept");
    dialog.findChild<QToolButton*>("SpeedButton2")->click();
    dialog.findChild<QToolButton*>("Browse_Btn")->click();
    dialog.findChild<QPushButton*>("SpeedButton1")->click();
    dialog.findChild<QPushButton*>("SpeedButton1")->click();
    EXPECT_TRUE(prompter.drained());
    ASSERT_EQ(prompter.fileDialogs.size(), 2u);
    EXPECT_EQ(prompter.fileDialogs[0].directory, fx.programDir);
    EXPECT_TRUE(prompter.fileDialogs[0].filter.contains("All Files (*)"));
    EXPECT_TRUE(prompter.fileDialogs[0].filter.contains("Programs (*.exe)"));
    // Lower-casing is the Windows rule only.
    EXPECT_EQ(edit(dialog, "Browser_Address")->text(), storedPathForm("/Apps/FireFox"));
    EXPECT_EQ(edit(dialog, "Browser_Address_2")->text(), "kept");
    EXPECT_EQ(dialog.fields().hintColor, QColor(Qt::red));
}

TEST(OptionsStore, EmailAddressEmptyGetsThePlaceholder) {
    struct Case {
        const char* typed;
        const char* stored;
    } cases[] = {{"", "Put_Your_Email_in_Options"}, {"me@x.org", "me@x.org"}};
    for (const auto& c : cases) {
        OptionsFixture fx;
        OptionsFields f;
        f.emailAddress = c.typed;
        f.hintColor = Qt::yellow;
        EXPECT_EQ(storeOptions(f, fx.ini, fx.programDir, fileExists, kIcon).emailAddress, c.stored);
        EXPECT_EQ(fx.opt("Email_Address"), c.stored);
    }
}

TEST(OptionsStore, BrowserOneIsTrimmedBeforeTheTestBrowserTwoIsNot) {
    OptionsFixture fx;
    struct Case {
        const char* what;
        QString typed1, typed2;
        QString stored1, stored2;
    } cases[] = {
        {"trailing blank on both", fx.browser + " ", fx.browser + " ", fx.browser, ""},
        {"leading blanks on both", "  " + fx.browser, "  " + fx.browser, fx.browser, ""},
        {"exact paths", fx.browser, fx.browser, fx.browser, fx.browser},
        {"missing programs", fx.programDir + "gone", fx.programDir + "gone", "", ""},
        {"a directory is no program", fx.programDir, fx.programDir, "", ""},
        {"nothing typed", "", "", "", ""},
    };
    for (const auto& c : cases) {
        QFile::remove(browserGlyphPath(fx.programDir, 1));
        QFile::remove(browserGlyphPath(fx.programDir, 2));
        OptionsFields f;
        f.browser1 = c.typed1;
        f.browser2 = c.typed2;
        f.hintColor = Qt::yellow;
        const OptionsResult r = storeOptions(f, fx.ini, fx.programDir, fileExists, kIcon);
        EXPECT_EQ(fx.opt("Browser_Address"), c.stored1) << c.what;
        EXPECT_EQ(fx.opt("Browser_Address_2"), c.stored2) << c.what;
        EXPECT_EQ(r.browser1.shown, !c.stored1.isEmpty()) << c.what;
        EXPECT_EQ(r.browser1.path, c.stored1) << c.what;
        EXPECT_EQ(r.browser2.shown, !c.stored2.isEmpty()) << c.what;
        EXPECT_EQ(QFile::exists(browserGlyphPath(fx.programDir, 1)), !c.stored1.isEmpty()) << c.what;
        EXPECT_EQ(QFile::exists(browserGlyphPath(fx.programDir, 2)), !c.stored2.isEmpty()) << c.what;
        if (r.browser1.shown) {
            EXPECT_EQ(r.browser1.glyphPath, browserGlyphPath(fx.programDir, 1)) << c.what;
        }
    }
}

TEST(OptionsStore, AProgramWithoutAnIconGetsAButtonWithItsNameAndTheHintsAreStored) {
    OptionsFixture fx;
    OptionsFields f;
    f.browser1 = fx.browser;
    f.showHints = false;
    f.hintColor = QColor(0x12, 0x34, 0x56);
    const OptionsResult r = storeOptions(f, fx.ini, fx.programDir, fileExists, [](const QString&) { return QIcon(); });
    EXPECT_TRUE(r.browser1.shown);
    EXPECT_TRUE(r.browser1.glyphPath.isEmpty());
    EXPECT_EQ(r.browser1.caption, "web");
    EXPECT_FALSE(r.showHints);
    EXPECT_EQ(fx.opt("Show_Help"), "0");
    EXPECT_EQ(fx.ini.readColorNumber("Options", "FlyBy_BGColour", -1), 0x563412);
}

TEST(OptionsDialog, OkStoresWhatTheUserTypedAndCancelStoresNothing) {
    OptionsFixture fx;
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        edit(d, "Your_Email_Address")->setText("new@x.org");
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(runOptionsDialog(prompter, fx.ini, fx.programDir, nullptr));
    EXPECT_FALSE(QFile::exists(fx.ini.path()));

    prompter.queueDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Options");
        EXPECT_EQ(edit(d, "Your_Email_Address")->text(), "Your_email_address");
        edit(d, "Your_Email_Address")->clear();
        edit(d, "Browser_Address")->setText(fx.browser + " ");
        d.findChild<QCheckBox*>("FlyByCheckBox")->setChecked(false);
        d.findChild<QPushButton*>("OK_Btn")->click();
        return d.result();
    });
    const auto result = runOptionsDialog(prompter, fx.ini, fx.programDir, nullptr);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->emailAddress, "Put_Your_Email_in_Options");
    EXPECT_EQ(result->browser1.path, fx.browser);
    EXPECT_FALSE(result->browser2.shown);
    EXPECT_FALSE(result->showHints);
    EXPECT_EQ(fx.opt("Browser_Address"), fx.browser);
    EXPECT_EQ(fx.opt("Show_Help"), "0");
    EXPECT_EQ(fx.ini.readColorNumber("Options", "FlyBy_BGColour", -1), 65535);
}

// OK stores before it closes: a failed write says why and keeps what was typed.
TEST(OptionsDialog, ASettingsFileThatCannotBeWrittenKeepsTheDialogOpen) {
    TempDir tmp;
    IniProfile ini(tmp.file("missing-dir/zor-vel.ini"));
    ScriptedPrompter prompter;
    prompter.queueDialog([&](QDialog& d) {
        edit(d, "Your_Email_Address")->setText("me@x.org");
        d.findChild<QPushButton*>("OK_Btn")->click();
        EXPECT_EQ(d.result(), 0) << "still open";
        EXPECT_TRUE(prompter.messageTexts().value(0).startsWith("Unable to write to " + ini.path()));
        EXPECT_EQ(edit(d, "Your_Email_Address")->text(), "me@x.org");
        QDir(tmp.path()).mkdir("missing-dir"); // the user makes room, and tries again
        d.findChild<QPushButton*>("OK_Btn")->click();
        return d.result();
    });
    const auto result = runOptionsDialog(prompter, ini, tmp.path() + "/", nullptr);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->emailAddress, "me@x.org");
    EXPECT_EQ(ini.readString("Options", "Email_Address", ""), "me@x.org");
}

TEST(OptionsDialog, TextsAndHints) {
    OptionsFixture fx;
    ScriptedPrompter prompter;
    TOptionFrm d(prompter, fx.programDir);
    EXPECT_EQ(d.findChild<QLabel*>("Label6")->text(),
              "NOTE : When looking for netscape,  look for \"netscape.exe\", and when looking for  Internet Explorer "
              "look for \"iexplore.exe\" under \"/Program Files\"");
    struct Case {
        const char* control;
        const char* hint;
    } cases[] = {
        {"Your_Email_Address", "Enter your e-mail address here."},
        {"Browser_Address", "Enter the location of your favourite web-browser here."},
        {"Browser_Address_2", "Enter the location of your favourite web-browser here."},
        {"SpeedButton2", "Find your browser."},
        {"Browse_Btn", "Find your browser."},
        {"Shape1", "Colour of the Fly-By Hints."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.findChild<QWidget*>(c.control)->toolTip(), c.hint) << c.control;
    EXPECT_EQ(d.font().family(), "Arial");
}

TEST(OptionsStore, TheBrowseFilterOpensOnAllFilesWhereProgramsHaveNoExtension) {
    EXPECT_EQ(browserFileFilter(Platform::Windows), "Programs (*.exe);;All Files (*)");
    EXPECT_EQ(browserFileFilter(Platform::Posix), "All Files (*);;Programs (*.exe)");
}
