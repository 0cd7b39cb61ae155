#include "dialog_child.h"
#include "linkfrmu.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::child;
using zorvel::testing::ScriptedPrompter;
using zorvel::testing::TempDir;

namespace {

void click(QDialog& d, const char* name) {
    child<QPushButton>(d, name)->click();
}

void press(QWidget* w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

struct LinkFixture : ::testing::Test {
    TempDir tmp;
    IniProfile ini{tmp.file("zor-vel.ini")};
    ScriptedPrompter prompter;
    QStringList bookMarks;

    std::optional<QString> run(const QString& sel, ScriptedPrompter::DialogScript script) {
        prompter.queueDialog(std::move(script));
        auto result = runLinkDialog(prompter, ini, bookMarks, sel, nullptr);
        EXPECT_TRUE(prompter.drained());
        return result;
    }
};

} // namespace

TEST_F(LinkFixture, UntouchedExternalPageLinksAnEmptyAddressAroundTheSelection) {
    const auto link = run("click\r\nhere", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Links");
        EXPECT_EQ(child<QTabWidget>(d, "LinksNotebook")->currentIndex(), 1);
        EXPECT_EQ(child<QComboBox>(d, "URL_Type")->currentText(), "http");
        EXPECT_EQ(child<QLineEdit>(d, "URL_To_Use")->text(), "");
        EXPECT_FALSE(child<QPushButton>(d, "LookUp_Address_Btn")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(d, "Delete_Address_Btn")->isVisibleTo(&d));
        EXPECT_EQ(child<QPlainTextEdit>(d, "BookMark_Memo")->toPlainText(), "click\nhere");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF=\"\">click\r\nhere</A>");
    EXPECT_FALSE(QFile::exists(ini.path())); // no stored addresses, nothing written
}

TEST_F(LinkFixture, TypedFieldsComposeTheAddressAndAStoredOneIsWrittenOnOk) {
    const auto link = run("", [](QDialog& d) {
        child<QComboBox>(d, "URL_Type")->setCurrentText("ftp");
        child<QLineEdit>(d, "Domain_Name")->setText("server/docs");
        child<QLineEdit>(d, "Ext_File_Name")->setText(" index.htm?a=1&b=2 ");
        EXPECT_EQ(child<QLabel>(d, "URL_Label")->text(), "URL to be used :");
        click(d, "Store_Address_Btn");
        EXPECT_TRUE(child<QPushButton>(d, "LookUp_Address_Btn")->isEnabled());
        click(d, "OK_Btn");
        return d.result();
    });
    // Escaped where it is written into the page, stored as typed.
    EXPECT_EQ(link, "<A HREF=\"ftp://server/docs/index.htm?a=1&amp;b=2\"></A>");
    EXPECT_EQ(ini.readInteger("URLS", "No_URLS", -1), 1);
    EXPECT_EQ(ini.readString("URLS", "URL_1", ""), "ftp://server/docs/index.htm?a=1&b=2");
}

TEST_F(LinkFixture, ATypedProtocolIsTakenAsTypedAndEnterAddsNoProtocol) {
    const auto link = run("", [](QDialog& d) {
        auto* type = child<QComboBox>(d, "URL_Type");
        type->setFocus();
        type->lineEdit()->clear();
        for (const char* key : {"h", "t"}) {
            QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QLatin1String(key));
            QCoreApplication::sendEvent(type->lineEdit(), &event);
        }
        press(type->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(type->count(), 7);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF=\"ht://\"></A>");
}

TEST_F(LinkFixture, LeavingAFieldComposesTheAddress) {
    const auto link = run("", [](QDialog& d) {
        auto* domain = child<QLineEdit>(d, "Domain_Name");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(domain, &out);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF=\"http://\"></A>");
}

TEST_F(LinkFixture, DoubleClickOnAStoredAddressSplitsItIntoTheFields) {
    tmp.write("zor-vel.ini", "[URLS]\r\nNo_URLS=3\r\nURL_1=http://a/\r\nURL_2=\r\nURL_3=ftp://server/a/b.htm\r\n");
    const auto link = run("", [](QDialog& d) {
        auto* list = child<QListWidget>(d, "URL_ComboBox");
        EXPECT_EQ(list->count(), 2);
        EXPECT_FALSE(list->isVisibleTo(&d));
        click(d, "LookUp_Address_Btn");
        EXPECT_TRUE(list->isVisibleTo(&d));
        EXPECT_TRUE(child<QLabel>(d, "Combo_Instructions")->isVisibleTo(&d));
        EXPECT_FALSE(child<QComboBox>(d, "URL_Type")->isVisibleTo(&d));
        EXPECT_FALSE(child<QLineEdit>(d, "URL_To_Use")->isVisibleTo(&d));
        EXPECT_EQ(list->currentRow(), 0);
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
        EXPECT_FALSE(list->isVisibleTo(&d));
        EXPECT_EQ(child<QComboBox>(d, "URL_Type")->currentText(), "ftp");
        EXPECT_EQ(child<QLineEdit>(d, "Domain_Name")->text(), "server/a");
        EXPECT_EQ(child<QLineEdit>(d, "Ext_File_Name")->text(), "b.htm");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF=\"ftp://server/a/b.htm\"></A>");
    // The working copy is written back without the empty value; the old third key stays.
    EXPECT_EQ(ini.readInteger("URLS", "No_URLS", -1), 2);
    EXPECT_EQ(ini.readString("URLS", "URL_2", ""), "ftp://server/a/b.htm");
    EXPECT_EQ(ini.readString("URLS", "URL_3", ""), "ftp://server/a/b.htm");
}

TEST_F(LinkFixture, EnterTakesTheAddressWithoutSplittingAndEscapeChangesNothing) {
    tmp.write("zor-vel.ini", "[URLS]\r\nNo_URLS=2\r\nURL_1=ftp://server\r\nURL_2=news://x/y\r\n");
    const auto link = run("", [](QDialog& d) {
        auto* list = child<QListWidget>(d, "URL_ComboBox");
        click(d, "LookUp_Address_Btn");
        press(list, Qt::Key_Escape);
        EXPECT_FALSE(list->isVisibleTo(&d));
        EXPECT_EQ(d.result(), 0);
        EXPECT_EQ(child<QLineEdit>(d, "URL_To_Use")->text(), "");
        click(d, "LookUp_Address_Btn");
        list->setCurrentRow(1);
        press(list, Qt::Key_Return);
        EXPECT_FALSE(list->isVisibleTo(&d));
        EXPECT_EQ(child<QLineEdit>(d, "Domain_Name")->text(), "");
        EXPECT_EQ(child<QLineEdit>(d, "URL_To_Use")->text(), "news://x/y");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF=\"news://x/y\"></A>");
}

TEST_F(LinkFixture, DeletingEveryAddressLeavesTheStoredOnesAndCancelWritesNothing) {
    tmp.write("zor-vel.ini", "[URLS]\r\nNo_URLS=1\r\nURL_1=ftp://server\r\n");
    run("", [](QDialog& d) {
        click(d, "LookUp_Address_Btn");
        click(d, "Delete_Address_Btn");
        EXPECT_EQ(child<QListWidget>(d, "URL_ComboBox")->count(), 0);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(ini.readString("URLS", "URL_1", ""), "ftp://server");

    const auto cancelled = run("", [](QDialog& d) {
        child<QLineEdit>(d, "Ext_File_Name")->setText("new.htm");
        click(d, "Store_Address_Btn");
        click(d, "Cancel_Btn");
        return d.result();
    });
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(ini.readInteger("URLS", "No_URLS", -1), 1);
}

TEST_F(LinkFixture, ANewBookmarkIsAddedInItsSortedPlaceOnceWhateverItsCase) {
    bookMarks = {"alpha", "Top"};
    const auto link = run("Here", [](QDialog& d) {
        child<QTabWidget>(d, "LinksNotebook")->setCurrentIndex(0);
        EXPECT_TRUE(child<QRadioButton>(d, "Create_BookMark_Rad")->isChecked());
        child<QLineEdit>(d, "BookMark_Name")->setText("mid");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A NAME =\"mid\">Here</A>");
    EXPECT_EQ(bookMarks, QStringList({"alpha", "mid", "Top"}));

    const auto again = run("", [](QDialog& d) {
        child<QTabWidget>(d, "LinksNotebook")->setCurrentIndex(0);
        child<QLineEdit>(d, "BookMark_Name")->setText("TOP");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(again, "<A NAME =\"TOP\"></A>");
    EXPECT_EQ(bookMarks, QStringList({"alpha", "mid", "Top"}));
}

TEST_F(LinkFixture, LinkingToABookmarkPicksItFromTheListShownInTheNamesPlace) {
    bookMarks = {"end", "top"};
    const auto link = run("up", [](QDialog& d) {
        child<QTabWidget>(d, "LinksNotebook")->setCurrentIndex(0);
        auto* linkRad = child<QRadioButton>(d, "Link_To_BookMark_RAD");
        EXPECT_TRUE(linkRad->isEnabled());
        auto* combo = child<QComboBox>(d, "BookMark_ComboBox");
        EXPECT_EQ(combo->currentText(), "end");
        linkRad->setChecked(true);
        EXPECT_TRUE(combo->isVisibleTo(&d));
        EXPECT_FALSE(child<QLineEdit>(d, "BookMark_Name")->isVisibleTo(&d));
        combo->setCurrentIndex(1);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(link, "<A HREF =\"#top\">up</A>");
    EXPECT_EQ(bookMarks, QStringList({"end", "top"}));
}

TEST_F(LinkFixture, WithoutBookmarksLinkingToOneIsDisabled) {
    run("", [](QDialog& d) {
        EXPECT_FALSE(child<QRadioButton>(d, "Link_To_BookMark_RAD")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(d, "Create_BookMark_Rad")->isChecked());
        return int(QDialog::Rejected);
    });
}
