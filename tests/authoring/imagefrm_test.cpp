#include "dialog_child.h"
#include "imageu.h"
#include "scripted_prompter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::child;
using zorvel::testing::ScriptedPrompter;

namespace {

QString text(QDialog& d, const char* name) {
    return child<QLineEdit>(d, name)->text();
}

// An untitled page, browsing from the program's folder.
const PicturePlace kUntitled{QString(), QString(), QStringLiteral("/opt/zorvel/"), {}};

} // namespace

TEST(ImageDialog, OkWithEveryFieldEmptyGivesTheBareTag) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Images");
        child<QPushButton>(d, "OK_Btn")->click();
        return d.result();
    });
    EXPECT_EQ(runImageDialog(prompter, kUntitled, QString(), nullptr), "<IMG SRC =\"\" >");
}

TEST(ImageDialog, FilledFieldsAndTheSelectionMakeTheTagAndItsText) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_EQ(child<QPlainTextEdit>(d, "ImageMemo")->toPlainText(), "Logo\nbelow");
        child<QLineEdit>(d, "Image_FileName")->setText("logo.gif");
        child<QLineEdit>(d, "Image_Width")->setText("100");
        child<QLineEdit>(d, "Image_Height")->setText("50");
        child<QLineEdit>(d, "Border")->setText(" ");
        child<QLineEdit>(d, "Horizontal_Space")->setText("3");
        child<QRadioButton>(d, "Bottom_RAD")->setChecked(true);
        child<QRadioButton>(d, "Top_RAD")->setChecked(true); // the groups are exclusive inside
        child<QRadioButton>(d, "LEFT_RAD")->setChecked(true);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(runImageDialog(prompter, kUntitled, "Logo\r\nbelow", nullptr),
              "<IMG SRC =\"logo.gif\" HSPACE=3 ALIGN=LEFT ALIGN=TOP WIDTH=100 HEIGHT=50 >Logo\r\nbelow");
}

// The page finds its picture: relative inside the page's folder, absolute elsewhere.
TEST(ImageDialog, BrowseNamesThePictureAsThePageFindsItAndStoreInHtmlFormatSwitchesToTheAddress) {
    ScriptedPrompter prompter;
    QStringList picked;
    const PicturePlace place{"/home/ann/site/index.htm", "/home/ann/elsewhere/", "/opt/zorvel/",
                             [&](const QString& folder) { picked << folder; }};
    prompter.queueFile(QStringLiteral("/home/ann/site/pics/Logo.gif"));
    prompter.queueFile(QStringLiteral("/home/ann/Logo.gif"));
    prompter.queueFile(std::nullopt);
    prompter.queueDialog([](QDialog& d) {
        child<QPushButton>(d, "Browse_Btn")->click();
        EXPECT_EQ(text(d, "Image_FileName"), "pics/Logo.gif");
        EXPECT_EQ(text(d, "Full_File_Name"), "/home/ann/site/pics/Logo.gif");
        EXPECT_FALSE(child<QLineEdit>(d, "Full_File_Name")->isVisibleTo(&d));
        child<QPushButton>(d, "Browse_Btn")->click();
        EXPECT_EQ(text(d, "Image_FileName"), "/home/ann/Logo.gif");
        auto* html = child<QCheckBox>(d, "Include_Path_RAD");
        html->setChecked(true);
        EXPECT_EQ(text(d, "Image_FileName"), "file:///home/ann/Logo.gif");
        html->setChecked(false);
        EXPECT_EQ(text(d, "Image_FileName"), "/home/ann/Logo.gif");
        // A cancelled browse forgets the picked file but keeps the name field.
        child<QPushButton>(d, "Browse_Btn")->click();
        EXPECT_EQ(text(d, "Full_File_Name"), "");
        EXPECT_EQ(text(d, "Image_FileName"), "/home/ann/Logo.gif");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(runImageDialog(prompter, place, QString(), nullptr), "<IMG SRC =\"/home/ann/Logo.gif\" >");
    ASSERT_EQ(prompter.fileDialogs.size(), 3u);
    EXPECT_EQ(prompter.fileDialogs[0].directory, "/home/ann/site");
    EXPECT_EQ(prompter.fileDialogs[0].filter, "All pictures (*.png *.gif *.jpg *.jpeg *.bmp);;GIF Files (*.gif);;"
                                              "JPG Files (*.jpg);;PNG Files (*.png);;All Files (*)");
    EXPECT_EQ(picked, (QStringList{"/home/ann/site/pics/", "/home/ann/"}));
}

TEST(ImageDialog, BrowsingWithStoreInHtmlFormatSetGivesTheFullPath) {
    ScriptedPrompter prompter;
    prompter.queueFile(QStringLiteral("/pics/a.gif"));
    prompter.queueDialog([](QDialog& d) {
        child<QCheckBox>(d, "Include_Path_RAD")->setChecked(true);
        child<QPushButton>(d, "Browse_Btn")->click();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(runImageDialog(prompter, kUntitled, QString(), nullptr), "<IMG SRC =\"/pics/a.gif\" >");
}

TEST(ImageDialog, CancelInsertsNothingAndClearsTheNameAndText) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        child<QLineEdit>(d, "Image_FileName")->setText("x.gif");
        child<QPushButton>(d, "Cancel_Btn")->click();
        EXPECT_EQ(text(d, "Image_FileName"), "");
        EXPECT_EQ(child<QPlainTextEdit>(d, "ImageMemo")->toPlainText(), "");
        return d.result();
    });
    EXPECT_FALSE(runImageDialog(prompter, kUntitled, "sel", nullptr));
}
