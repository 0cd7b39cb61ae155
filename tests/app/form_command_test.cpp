// The Forms commands on a real document: which page opens, what goes in, undo.
#include "app_messages.h"
#include "main_window_fixture.h"
#include "toolbox.h"

#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

int pageOf(QDialog& d) {
    return d.findChild<QTabWidget*>("FormNoteBook")->currentIndex();
}

// The Forms menu's command items in menu order, the text-field submenu's included.
QList<QAction*> formCommands(QMenu* menu) {
    QList<QAction*> commands;
    for (QAction* a : menu->actions()) {
        if (a->menu())
            commands << formCommands(a->menu());
        else if (!a->isSeparator())
            commands << a;
    }
    return commands;
}

} // namespace

class FormCommandTest : public MainWindowTest {};

TEST_F(FormCommandTest, EachMenuItemOpensItsPageAndTheToolButtonsTheFirst) {
    start();
    const QList<QAction*> items = formCommands(frm->Forms1);
    QStringList captions;
    for (QAction* a : items)
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"Create A &Form", "&Single Line", "&Multi Line", "&Radio Buttons", "&Check Boxes",
                                     "&Selections", "&Buttons"}));
    QList<int> pages;
    for (QAction* a : items) {
        prompter->queueDialog([&pages](QDialog& d) {
            pages << pageOf(d);
            return int(QDialog::Rejected);
        });
        a->trigger();
    }
    for (QToolButton* button : {frm->ToolBox->formButton(), frm->ToolBox_Horiz->formButton()}) {
        prompter->queueDialog([&pages](QDialog& d) {
            pages << pageOf(d);
            return int(QDialog::Rejected);
        });
        button->click();
    }
    EXPECT_EQ(pages, QList<int>({0, 1, 2, 3, 4, 5, 6, 0, 0}));
    EXPECT_TRUE(prompter->drained());
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(FormCommandTest, OkReplacesTheSelectionAsOneUndoableEdit) {
    start();
    memo().setText("Name: Ann.");
    memo().setSelStart(6);
    memo().setSelLength(3);
    memo().setModified(false);
    frm->Save_Btn->setEnabled(false);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("Single_Name")->setText("name");
        d.findChild<QLineEdit*>("Single_Size")->setText("20");
        return int(QDialog::Accepted);
    });
    formCommands(frm->Forms1)[1]->trigger();
    const QString field = "Ann <INPUT TYPE=\"text\" NAME=\"name\" SIZE=\"20\">";
    EXPECT_EQ(memo().Text(), "Name: " + field + ".");
    EXPECT_EQ(memo().SelStart(), 6 + field.size()); // the caret after the field
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    memo().Undo();
    EXPECT_EQ(memo().Text(), "Name: Ann.");
}

TEST_F(FormCommandTest, TheFieldMadeAfterTheSkeletonLandsInsideTheForm) {
    start();
    memo().setText("<P>after");
    memo().setSelStart(0);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("Script_Name")->setText("/cgi-bin/mail");
        return int(QDialog::Accepted);
    });
    formCommands(frm->Forms1)[0]->trigger();
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("Single_Name")->setText("name");
        return int(QDialog::Accepted);
    });
    formCommands(frm->Forms1)[1]->trigger();
    EXPECT_EQ(memo().Text(), "<FORM\r\nMETHOD=\"POST\" ACTION=\"/cgi-bin/mail\">\r\n"
                             "<INPUT TYPE=\"text\" NAME=\"name\">\r\n\r\n</FORM><P>after");
}

TEST_F(FormCommandTest, MultiLineEndsItsTextAreaAndLeavesTheCaretInsideForItsText) {
    start();
    memo().setText("Message:\r\n<P>after");
    memo().setSelStart(0);
    memo().setSelLength(8);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("MultiLine_Name")->setText("message");
        d.findChild<QLineEdit*>("MultiLine_Rows")->setText("5");
        d.findChild<QLineEdit*>("MultiLine_Cols")->setText("40");
        return int(QDialog::Accepted);
    });
    formCommands(frm->Forms1)[2]->trigger();
    const QString start = "Message: <TEXTAREA NAME =\"message\" ROWS=\"5\" COLS=\"40\">";
    EXPECT_EQ(memo().Text(), start + "</TEXTAREA>\r\n<P>after");
    EXPECT_EQ(memo().SelStart(), start.size());
    EXPECT_EQ(memo().SelLength(), 0);
    memo().setSelText("Dear shop,\r\nhello");
    EXPECT_EQ(memo().Text(), start + "Dear shop,\r\nhello</TEXTAREA>\r\n<P>after");
}

TEST_F(FormCommandTest, MissingFieldsAndCancelInsertNothing) {
    writeIni("[Options]\nSave_Interval=5\n");
    start();
    frm->setSaverTimerOn(true);
    memo().setText("<BODY>");
    memo().setSelStart(6);
    memo().setModified(false);
    frm->Save_Btn->setEnabled(false);
    prompter->queueDialog([](QDialog&) { return int(QDialog::Rejected); });
    frm->ToolBox->formButton()->click();
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(prompter->messages.empty());

    prompter->queueDialog([](QDialog& d) {
        d.findChild<QTabWidget*>("FormNoteBook")->setCurrentIndex(6);
        d.findChild<QLineEdit*>("Script_Name")->setText("on another page");
        return int(QDialog::Accepted);
    });
    frm->ToolBox->formButton()->click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Not enough info provided to construct a Button"});
    EXPECT_EQ(prompter->messages.front().icon, MessageIcon::None);
    EXPECT_EQ(memo().Text(), "<BODY>");
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());    // OK enables it before looking at the fields
    EXPECT_TRUE(frm->SaverTimer()->isActive()); // not a failure of the program
}

TEST_F(FormCommandTest, AFailureInsideTheCommandIsReportedAndSwitchesTheTimerOff) {
    writeIni("[Options]\nSave_Interval=5\n");
    start();
    frm->setSaverTimerOn(true);
    ASSERT_TRUE(frm->SaverTimer()->isActive());
    memo().setText("x");
    prompter->queueDialog([](QDialog&) -> int { throw std::runtime_error("broken"); });
    frm->ToolBox_Horiz->formButton()->click();
    // The box has the command's words alone; the status bar says saving stopped.
    EXPECT_EQ(prompter->messageTexts(), QStringList{QStringLiteral("Exception error in Form1Click ..")});
    EXPECT_EQ(frm->statusBar()->currentMessage(), kAutoSaveSwitchedOff);
    EXPECT_FALSE(frm->SaverTimer()->isActive());
    EXPECT_EQ(memo().Text(), "x");
}

TEST_F(FormCommandTest, WithNoDocumentNothingOpens) {
    start();
    memo().setModified(false);
    frm->Close1Click();
    ASSERT_EQ(frm->DocumentCount(), 0);
    frm->Form_BtnClick(nullptr);
    EXPECT_TRUE(prompter->dialogsShown.empty());
}
