#include "dialog_child.h"
#include "formsu.h"
#include "scripted_prompter.h"

#include <QCoreApplication>
#include <QGroupBox>
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

namespace {

QStringList entries(QDialog& d) {
    QStringList list;
    auto* box = child<QListWidget>(d, "Selection_List");
    for (int i = 0; i < box->count(); ++i)
        list << box->item(i)->text();
    return list;
}

int selectedRow(QDialog& d) {
    auto* box = child<QListWidget>(d, "Selection_List");
    const QList<QListWidgetItem*> selected = box->selectedItems();
    return selected.isEmpty() ? -1 : box->row(selected.front());
}

void press(QWidget* w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

} // namespace

TEST(FormDialog, OpensAtThePageAskedForWithItsCaptionsAndLabels) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Form Creation");
        auto* notebook = child<QTabWidget>(d, "FormNoteBook");
        EXPECT_EQ(notebook->currentIndex(), 4);
        QStringList captions;
        for (int i = 0; i < notebook->count(); ++i)
            captions << notebook->tabText(i);
        EXPECT_EQ(captions, QStringList({"Skeleton", "Single Text", "Multiline Text", "RadioButtons", "CheckBoxes",
                                         "Selections", "Buttons"}));
        QStringList labels;
        for (QLabel* label : d.findChildren<QLabel*>())
            labels << label->text();
        for (const char* text :
             {"Script to be run :", "Maxium No. of Characters :", "No of characters :", "No of Rows :", "No of Cols :",
              "Name or Group ID :", "Value : ", "To to be displayed",
              "Selection Value :", "Text to be displayed on Button :",
              "For each item you wish to see in the selection, enter it into the Value field below and press the  "
              "\"Add To List\" Button."})
            EXPECT_TRUE(labels.contains(QLatin1String(text))) << text;
        EXPECT_EQ(child<QRadioButton>(d, "Value_Is_Checked")->text(), "Button is Checked");
        EXPECT_EQ(child<QPushButton>(d, "Add_Btn")->text(), "Add to List");
        EXPECT_EQ(child<QPushButton>(d, "Delete_Btn")->text(), "&Delete Item");
        EXPECT_EQ(child<QPushButton>(d, "OK_Btn")->text(), "&Ok");
        EXPECT_EQ(child<QPushButton>(d, "Cancel_Btn")->text(), "&Cancel");
        child<QLineEdit>(d, "CheckBox_Name")->setText("news");
        child<QRadioButton>(d, "Value_Is_Checked")->setChecked(true);
        child<QPushButton>(d, "OK_Btn")->click();
        return d.result();
    });
    const auto fields = runFormDialog(prompter, FormPage::CheckBoxes, QString(), nullptr);
    ASSERT_TRUE(fields);
    EXPECT_EQ(makeFormText(*fields).text, "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"checked\">");
}

TEST(FormDialog, TheSelectionFillsTheFiveTextFieldsAndThePageShowingAtOkCounts) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        for (const char* memo : {"Single_Memo", "Multiline_Memo", "Radio_Memo", "CheckBox_Memo", "Button_Memo"})
            EXPECT_EQ(child<QPlainTextEdit>(d, memo)->toPlainText(), "Pick\none") << memo;
        EXPECT_TRUE(child<QLineEdit>(d, "Selection_Value")->text().isEmpty());
        EXPECT_EQ(child<QListWidget>(d, "Selection_List")->count(), 0);
        child<QLineEdit>(d, "Single_Name")->setText("on another page");
        child<QTabWidget>(d, "FormNoteBook")->setCurrentIndex(3);
        child<QLineEdit>(d, "Radio_Name")->setText("size");
        child<QLineEdit>(d, "Radio_Value")->setText("L");
        return int(QDialog::Accepted);
    });
    const auto fields = runFormDialog(prompter, FormPage::SingleText, "Pick\r\none", nullptr);
    ASSERT_TRUE(fields);
    EXPECT_EQ(makeFormText(*fields).text, "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\">Pick\r\none");
}

TEST(FormDialog, ValuesAreAddedByButtonOrEnterAndDeletedWithTheSelectionMoving) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        d.show(); // the default button only takes Enter in a dialog that is showing
        auto* value = child<QLineEdit>(d, "Selection_Value");
        auto* add = child<QPushButton>(d, "Add_Btn");
        auto* del = child<QPushButton>(d, "Delete_Btn");
        value->setText("Red");
        add->click();
        EXPECT_EQ(value->text(), "");
        add->click(); // an empty value adds nothing
        value->setText(" ");
        press(value, Qt::Key_Return);
        value->setText("Red");
        press(value, Qt::Key_Enter);
        value->setText("Blue");
        press(value, Qt::Key_Return);
        EXPECT_EQ(d.result(), 0); // Enter did not reach the default button
        EXPECT_EQ(entries(d), QStringList({"Red", " ", "Red", "Blue"}));

        del->click(); // nothing selected: nothing deleted
        EXPECT_EQ(entries(d).size(), 4);
        auto* list = child<QListWidget>(d, "Selection_List");
        list->setCurrentRow(1);
        del->click();
        EXPECT_EQ(entries(d), QStringList({"Red", "Red", "Blue"}));
        EXPECT_EQ(selectedRow(d), 1); // the next entry moved into its place
        list->setCurrentRow(2);
        del->click();
        EXPECT_EQ(entries(d), QStringList({"Red", "Red"}));
        EXPECT_EQ(selectedRow(d), -1); // nothing moved into the last place
        child<QLineEdit>(d, "Selection_Name")->setText("colour");
        return int(QDialog::Accepted);
    });
    const auto fields = runFormDialog(prompter, FormPage::Selections, "ignored here", nullptr);
    ASSERT_TRUE(fields);
    EXPECT_EQ(makeFormText(*fields).text, "<SELECT NAME =\"colour\">\r\n<OPTION>Red\r\n<OPTION>Red\r\n</SELECT>");
}

TEST(FormDialog, ButtonTypesExcludeEachOtherAndCancelGivesNothing) {
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_EQ(child<QTabWidget>(d, "FormNoteBook")->currentIndex(), 6);
        auto* submit = child<QRadioButton>(d, "Submit_RAD");
        auto* reset = child<QRadioButton>(d, "Reset_RAD");
        EXPECT_FALSE(submit->isChecked() || reset->isChecked());
        submit->click();
        reset->click();
        EXPECT_FALSE(submit->isChecked());
        return int(QDialog::Accepted);
    });
    auto fields = runFormDialog(prompter, FormPage::Buttons, "Go", nullptr);
    ASSERT_TRUE(fields);
    EXPECT_EQ(makeFormText(*fields).text, "<INPUT TYPE=\"reset\" VALUE=\"Go\">");

    prompter.queueDialog([](QDialog& d) {
        child<QLineEdit>(d, "Script_Name")->setText("x");
        child<QPushButton>(d, "Cancel_Btn")->click();
        return d.result();
    });
    EXPECT_FALSE(runFormDialog(prompter, FormPage::Skeleton, QString(), nullptr));
}
