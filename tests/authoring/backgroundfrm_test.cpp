#include "bkgrndu.h"
#include "dialog_child.h"
#include "scripted_prompter.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::child;
using zorvel::testing::ScriptedPrompter;

namespace {

QColor sample(QDialog& d, const char* name) {
    return child<QFrame>(d, name)->palette().color(QPalette::Window);
}

void setBoxes(QDialog& d, const char* red, const char* green, const char* blue, int r, int g, int b) {
    child<QSpinBox>(d, red)->setValue(r);
    child<QSpinBox>(d, green)->setValue(g);
    child<QSpinBox>(d, blue)->setValue(b);
}

// An untitled page; a picture was picked before.
const PicturePlace place{QString(), QStringLiteral("/srv/last/"), QStringLiteral("/opt/zorvel/"), {}};

std::optional<QString> run(ScriptedPrompter& prompter, ScriptedPrompter::DialogScript script) {
    prompter.queueDialog(std::move(script));
    auto result = runBackgroundDialog(prompter, place, nullptr);
    EXPECT_TRUE(prompter.drained());
    return result;
}

} // namespace

TEST(BackgroundDialog, AllThreeGroupsWithTheirStartColours) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Background settings");
        EXPECT_EQ(sample(d, "Text_Colours"), QColor(0, 0, 0));
        EXPECT_EQ(sample(d, "Background_Colours"), QColor(255, 255, 255));
        EXPECT_EQ(sample(d, "Hot_Spot_Colours"), QColor(0, 0, 255));
        for (const char* name : {"TextClrs", "BackGroundClrs", "LinkClrs"})
            child<QCheckBox>(d, name)->setChecked(true);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, "  text =\"000000\" bgcolor=\"ffffff\" link=\"0000ff\" ");
}

TEST(BackgroundDialog, TheBoxesOfAGroupWorkOnlyWhileItIsSwitchedOnAndSetItsSample) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        auto* red = child<QSpinBox>(d, "RedSpinEdit1");
        auto* frame = child<QFrame>(d, "BackGround_Frame");
        auto* picker = child<QToolButton>(d, "SpeedButton2");
        EXPECT_FALSE(red->isEnabled());
        EXPECT_FALSE(frame->isEnabled());
        EXPECT_FALSE(picker->isEnabled());
        auto* check = child<QCheckBox>(d, "BackGroundClrs");
        check->setChecked(true);
        EXPECT_TRUE(red->isEnabled());
        EXPECT_TRUE(frame->isEnabled());
        setBoxes(d, "RedSpinEdit1", "GreenSpinEdit1", "BlueSpinEdit1", 0, 128, 255);
        EXPECT_EQ(sample(d, "Background_Colours"), QColor(0, 128, 255));
        check->setChecked(false);
        EXPECT_FALSE(red->isEnabled());
        EXPECT_TRUE(picker->isEnabled()); // the picker stays enabled
        check->setChecked(true);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, " bgcolor=\"0080ff\" ");
}

TEST(BackgroundDialog, TheLinkSampleFollowsOnlyItsRedBox) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        child<QCheckBox>(d, "LinkClrs")->setChecked(true);
        child<QSpinBox>(d, "GreenSpinEdit3")->setValue(100);
        child<QSpinBox>(d, "BlueSpinEdit3")->setValue(50);
        EXPECT_EQ(sample(d, "Hot_Spot_Colours"), QColor(0, 0, 255));
        child<QSpinBox>(d, "RedSpinEdit3")->setValue(10);
        EXPECT_EQ(sample(d, "Hot_Spot_Colours"), QColor(10, 100, 50));
        setBoxes(d, "RedSpinEdit2", "GreenSpinEdit2", "BlueSpinEdit2", 1, 2, 3);
        EXPECT_EQ(sample(d, "Text_Colours"), QColor(1, 2, 3)); // text group not switched on
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, " link=\"0a6432\" ");
}

TEST(BackgroundDialog, APickedColourGoesToTheSampleAndTheBoxes) {
    ScriptedPrompter prompter;
    prompter.queueColor(QColor(255, 128, 0));
    prompter.queueColor(std::nullopt);
    const auto text = run(prompter, [](QDialog& d) {
        child<QCheckBox>(d, "LinkClrs")->setChecked(true);
        child<QToolButton>(d, "SpeedButton3")->click();
        EXPECT_EQ(sample(d, "Hot_Spot_Colours"), QColor(255, 128, 0));
        EXPECT_EQ(child<QSpinBox>(d, "GreenSpinEdit3")->value(), 128);
        child<QToolButton>(d, "SpeedButton3")->click(); // cancelled: nothing changes
        EXPECT_EQ(sample(d, "Hot_Spot_Colours"), QColor(255, 128, 0));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, " link=\"ff8000\" ");
}

TEST(BackgroundDialog, TheImageIsBrowsedAndStoredAsAPathOrAnAddress) {
    ScriptedPrompter prompter;
    prompter.queueFile(QStringLiteral("/srv/web/back.gif"));
    const auto text = run(prompter, [](QDialog& d) {
        child<QToolButton>(d, "SpeedButton1")->click();
        auto* name = child<QLineEdit>(d, "ImageFileName");
        EXPECT_EQ(name->text(), "/srv/web/back.gif") << "an untitled page gets the whole path";
        EXPECT_FALSE(child<QLineEdit>(d, "ImagePath")->isVisibleTo(&d));
        child<QCheckBox>(d, "HTMLFormatCheckBox")->setChecked(true);
        EXPECT_EQ(name->text(), "file:///srv/web/back.gif");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, " background=\"file:///srv/web/back.gif\" ");
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].title, "Image to select ..");
    EXPECT_EQ(prompter.fileDialogs[0].directory, "/srv/last/") << "an untitled page browses where the last picture was";
    EXPECT_EQ(prompter.fileDialogs[0].filter, "All pictures (*.png *.gif *.jpg *.jpeg *.bmp);;GIF Files (*.gif);;"
                                              "JPEG Files (*.jpg);;PNG Files (*.png);;All Files (*)");
}

TEST(BackgroundDialog, ATypedNameStaysUntilTheFormatIsSwitchedAfterABrowse) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        child<QLineEdit>(d, "ImageFileName")->setText("tile.gif");
        child<QCheckBox>(d, "HTMLFormatCheckBox")->setChecked(true); // nothing browsed yet
        EXPECT_EQ(child<QLineEdit>(d, "ImageFileName")->text(), "tile.gif");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, " background=\"tile.gif\" ");
}

TEST(BackgroundDialog, NothingSetGivesAnEmptyTextAndCancelGivesNone) {
    ScriptedPrompter prompter;
    EXPECT_EQ(run(prompter, [](QDialog&) { return int(QDialog::Accepted); }), QString());
    const auto cancelled = run(prompter, [](QDialog& d) {
        child<QCheckBox>(d, "TextClrs")->setChecked(true);
        child<QPushButton>(d, "Cancel_Btn")->click();
        return d.result();
    });
    EXPECT_FALSE(cancelled);
}

TEST(BackgroundDialog, TheInstructionsShowTheBodyTagAsWritten) {
    ScriptedPrompter prompter;
    TBackGroundFrm dialog(prompter, PicturePlace{});
    bool found = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().startsWith("When you use this option"))
            continue;
        found = true;
        EXPECT_TRUE(label->text().contains("just before the > of the <BODY> tag. This will enable you add"));
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    EXPECT_TRUE(found);
}
