// The markup commands on a real document: the text put in, the caret, undo, the dialogs.
#include "control/html_viewer.h"
#include "headless/dump.h"
#include "main_window_fixture.h"
#include "toolbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

// A stand-in sender with a tag, as a menu item or tool button carries it.
struct Tagged {
    QAction action;
    explicit Tagged(int tag) { action.setProperty("tag", tag); }
};

} // namespace

class MarkupCommandsTest : public MainWindowTest {
protected:
    // Selects text typed into an empty page and runs a format command on it.
    void runFormat(int tag, const QString& before, const QString& selected) {
        memo().setText(before + selected + "|end");
        memo().setSelStart(static_cast<int>(before.size()));
        memo().setSelLength(static_cast<int>(selected.size()));
        Tagged sender(tag);
        frm->Text_Format_Click(&sender.action);
    }
};

TEST_F(MarkupCommandsTest, FormatsReplaceTheSelectionAndPlaceTheCaret) {
    struct Case {
        int tag;
        const char* sel;
        const char* inserted;
        int caret;
    } cases[] = {
        {1, "", "<B></B>", 3},           {1, "abcd", "<B>abcd</B>", 5}, {5, "gone", "<HR>\r\n", 7},
        {6, "a/b", "<BR>\r\na/b", 4},    {6, "ab", "<BR>\r\nab", 9},    {17, "x", "&#169;x", 8},
        {4, "", "<STRONG></STRONG>", 8}, {18, "", "&amp;", 6},
    };
    start();
    for (const auto& c : cases) {
        runFormat(c.tag, "12", c.sel);
        EXPECT_EQ(memo().Text(), QString("12") + c.inserted + "|end") << c.tag << c.sel;
        EXPECT_EQ(memo().SelStart(), 2 + c.caret) << c.tag << c.sel;
        EXPECT_TRUE(memo().Modified());
        EXPECT_TRUE(frm->Save_Btn->isEnabled());
    }
}

TEST_F(MarkupCommandsTest, UndoRightAfterACommandRestoresTextAndSelection) {
    start();
    runFormat(5, "ab", "cd"); // the horizontal line drops the selection
    EXPECT_EQ(memo().Text(), "ab<HR>\r\n|end");
    memo().Undo();
    EXPECT_EQ(memo().Text(), "abcd|end");
    EXPECT_EQ(memo().SelText(), "cd");
}

TEST_F(MarkupCommandsTest, HeadingsAndListsComeFromMenuItemsAndBothToolBoxes) {
    start();
    memo().setText("abc");
    memo().SelectAll();
    Tagged numbered(1);
    frm->Lists_Click(&numbered.action);
    EXPECT_EQ(memo().Text(), "<OL>\r\n<LI> No 1\r\n<LI> No 2\r\n<LI> No 3\r\n<LI> No 4\r\n</OL>\r\nabc");
    EXPECT_EQ(memo().SelStart(), 0);
    EXPECT_EQ(frm->ToolBox->listBox()->currentIndex(), -1);

    memo().setText("title");
    memo().SelectAll();
    QComboBox* box = frm->ToolBox_Horiz->headingBox();
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(memo().Text(), "<H2>title</H2>");
    EXPECT_EQ(box->currentIndex(), 2); // the horizontal box is not reset

    // The empty item inserts nothing.
    frm->ToolBox->headingBox()->setCurrentIndex(0);
    frm->Heading_Click(frm->ToolBox->headingBox());
    EXPECT_EQ(memo().Text(), "<H2>title</H2>");

    // A sender without a command number inserts nothing either.
    QObject stranger;
    frm->Text_Format_Click(&stranger);
    EXPECT_EQ(memo().Text(), "<H2>title</H2>");
}

TEST_F(MarkupCommandsTest, ToolButtonsAndMenuItemsRunTheirCommands) {
    start();
    memo().setText("");
    frm->ToolBox->formatButtons().front()->click(); // Bold
    EXPECT_EQ(memo().Text(), "<B></B>");
    QAction* italic = frm->findChild<QAction*>("Italic2");
    ASSERT_NE(italic, nullptr);
    EXPECT_EQ(italic->shortcut(), QKeySequence("Alt+I"));
    italic->trigger();
    EXPECT_EQ(memo().Text(), "<B><EM></EM></B>");
}

TEST_F(MarkupCommandsTest, WithNoDocumentNothingHappensAndTheBoxesShowTheirEmptyItem) {
    start();
    memo().setModified(false);
    frm->Close1Click();
    ASSERT_EQ(frm->DocumentCount(), 0);
    Tagged two(2);
    frm->ToolBox->headingBox()->setCurrentIndex(3);
    frm->Heading_Click(&two.action);
    frm->Lists_Click(&two.action);
    frm->Text_Format_Click(&two.action);
    frm->MailTo1Click(nullptr);
    EXPECT_EQ(frm->ToolBox->headingBox()->currentIndex(), 0);
    EXPECT_EQ(frm->ToolBox->listBox()->currentIndex(), 0);
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(MarkupCommandsTest, TheEmailLinkUsesTheSubstituteWhenNoAddressIsSet) {
    writeIni("[Options]\nEmail_Address=\n");
    start();
    memo().setText("");
    frm->MailTo1Click(nullptr);
    EXPECT_EQ(memo().Text(), "<A HREF=\"mailto:Your_Email_Address\">   </A>");
    EXPECT_EQ(frm->EmailAddress(), "Your_Email_Address");
}

TEST_F(MarkupCommandsTest, TheLinkDialogInsertsABookmarkAndRemembersIt) {
    start();
    memo().setText("Top of page");
    memo().SelectAll();
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QTabWidget*>() ? d.findChild<QTabWidget*>()->setCurrentIndex(0) : void();
        d.findChild<QLineEdit*>("BookMark_Name")->setText("top");
        return QDialog::Accepted;
    });
    frm->Link_Btn_Click(nullptr);
    EXPECT_EQ(memo().Text(), "<A NAME =\"top\">Top of page</A>");
    EXPECT_EQ(frm->ActiveDocument()->BookMarks, QStringList{"top"});
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
}

TEST_F(MarkupCommandsTest, TheImageDialogPutsTheTagBeforeTheSelectedText) {
    start();
    memo().setText("Logo");
    memo().SelectAll();
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("Image_FileName")->setText("logo.gif");
        d.findChild<QLineEdit*>("Image_Width")->setText("100");
        return QDialog::Accepted;
    });
    frm->Image_BtnClick(nullptr);
    EXPECT_EQ(memo().Text(), "<IMG SRC =\"logo.gif\" WIDTH=100 >Logo");
    EXPECT_TRUE(memo().Modified());
}

// The page finds its picture: relative inside its folder, absolute for an untitled page.
TEST_F(MarkupCommandsTest, ThePictureIsNamedAsThePageFindsItAndBrowsingStartsBesideThePage) {
    QDir(dir()).mkdir("img");
    const QString picture = file("img/garden.png", "");
    start({file("page.htm", "")});
    const auto browse = [this](const QString& path) {
        prompter->queueFile(path);
        prompter->queueDialog([](QDialog& d) {
            d.findChild<QPushButton*>("Browse_Btn")->click();
            return QDialog::Accepted;
        });
        memo().setText("");
        frm->Image_BtnClick(nullptr);
        return memo().Text();
    };
    EXPECT_EQ(browse(picture), "<IMG SRC =\"img/garden.png\" >");
    EXPECT_EQ(prompter->fileDialogs.back().directory, tmp.path());
    EXPECT_EQ(ini().readString("Files", "Picture_Dir", ""), dir() + "img/");
    frm->New1Click();
    EXPECT_EQ(browse(picture), "<IMG SRC =\"" + picture + "\" >");
    EXPECT_EQ(prompter->fileDialogs.back().directory, dir() + "img/");
}

TEST_F(MarkupCommandsTest, TheBackgroundDialogMarksThePageChangedEvenOnCancel) {
    start();
    memo().setModified(false);
    prompter->queueDialog([](QDialog&) { return QDialog::Rejected; });
    frm->Background1Click(nullptr);
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    EXPECT_FALSE(memo().Text().contains("bgcolor"));

    memo().setSelStart(40);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QCheckBox*>("BackGroundClrs")->setChecked(true);
        return QDialog::Accepted;
    });
    frm->Background1Click(nullptr);
    EXPECT_TRUE(memo().Text().contains(" bgcolor=\"ffffff\" "));
}

// The override is what Qt asks before its own shortcuts; accepted, the press follows.
bool pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
    QCoreApplication::sendEvent(target, &override);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    return override.isAccepted();
}

TEST_F(MarkupCommandsTest, AltKeysOfCommandsWinOverTheMenuBarWhereverTheFocusIs) {
    start();
    memo().setText("");
    memo().setFocus();
    // Alt+F is also the File menu's key and Alt+L the HTML menu's: the command takes them.
    prompter->queueDialog([](QDialog&) { return QDialog::Rejected; });
    EXPECT_TRUE(pressKey(&memo(), Qt::Key_L, Qt::AltModifier));
    EXPECT_EQ(prompter->dialogsShown.size(), 1u);
    EXPECT_TRUE(pressKey(&memo(), Qt::Key_F, Qt::AltModifier));
    EXPECT_EQ(memo().Text(), "<FONT></FONT>");
    // Outside the editor too (Qt found the key ambiguous there and did nothing).
    memo().setText("");
    EXPECT_TRUE(pressKey(frm->FileTabSet, Qt::Key_T, Qt::AltModifier));
    EXPECT_EQ(memo().Text(), "<CITE></CITE>");
    // Alt+E (the Edit menu) is no command's key and stays with the menu bar.
    QKeyEvent altE(QEvent::ShortcutOverride, Qt::Key_E, Qt::AltModifier);
    QCoreApplication::sendEvent(&memo(), &altE);
    EXPECT_FALSE(altE.isAccepted());
}

TEST_F(MarkupCommandsTest, F10AndTheAltKeysOfIdleCommandsOpenTheMenus) {
    start();
    EXPECT_TRUE(pressKey(&memo(), Qt::Key_F10, Qt::NoModifier));
    EXPECT_EQ(frm->menuBar()->activeAction(), frm->File1->menuAction());
    frm->File1->hide();
    // With no document the HTML commands cannot run: Alt+F is the File menu's again,
    // and Alt+T (the Tools menu is off too) is left to Qt, which finds nothing for it.
    ASSERT_TRUE(frm->CloseAll1Click());
    EXPECT_FALSE(pressKey(frm->FileTabSet, Qt::Key_T, Qt::AltModifier));
    EXPECT_EQ(frm->menuBar()->activeAction(), nullptr);
    EXPECT_TRUE(pressKey(frm->FileTabSet, Qt::Key_F, Qt::AltModifier));
    EXPECT_EQ(frm->menuBar()->activeAction(), frm->File1->menuAction());
    frm->File1->hide();
}

// In the preview the commands are off: Alt+C, Center's key, is the "&Codes" button's.
TEST_F(MarkupCommandsTest, TheAccessKeyOfAButtonWorksWhileTheCommandWithTheSameKeyIsOff) {
    start({file("page.htm", "<P>text")});
    frm->Preview_BtnClick();
    ASSERT_TRUE(frm->PreviewActive());
    EXPECT_TRUE(pressKey(frm->Preview, Qt::Key_C, Qt::AltModifier));
    EXPECT_FALSE(frm->PreviewActive());
    EXPECT_EQ(memo().Text(), "<P>text");
}

TEST_F(MarkupCommandsTest, CtrlKOpensTheBackgroundDialogInsteadOfDeletingTheLine) {
    start();
    memo().setText("<BODY>");
    memo().setSelStart(0);
    prompter->queueDialog([](QDialog&) { return QDialog::Rejected; });
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_K, Qt::ControlModifier);
    QCoreApplication::sendEvent(&memo(), &override);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_K, Qt::ControlModifier);
    QCoreApplication::sendEvent(&memo(), &press);
    EXPECT_EQ(prompter->dialogsShown.size(), 1u);
    EXPECT_EQ(memo().Text(), "<BODY>");
    // The editing keys stay the editor's own.
    QKeyEvent undo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::sendEvent(&memo(), &undo);
    EXPECT_TRUE(undo.isAccepted()); // accepted by the editor itself, which undoes
}

TEST_F(MarkupCommandsTest, TheTableDesignerReplacesTheSelectionAsOneEditAndCancelLeavesItAlone) {
    start();
    memo().setText("ab-cd");
    memo().setSelStart(2);
    memo().setSelLength(1);
    memo().setModified(false);
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("TableCaption")->setText("Prices");
        return QDialog::Rejected;
    });
    frm->Table_BtnClick(nullptr);
    EXPECT_EQ(memo().Text(), "ab-cd");
    EXPECT_FALSE(memo().Modified());

    prompter->queueDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("BorderWidth")->clear();
        d.findChild<QLineEdit*>("TableWidth")->clear();
        d.findChild<QComboBox*>("AlignBox")->setEditText("");
        d.findChild<QSpinBox*>("Cols")->setValue(1);
        d.findChild<QSpinBox*>("Rows")->setValue(1);
        return QDialog::Accepted;
    });
    frm->Table_BtnClick(nullptr);
    const QString table = "<table>\r\n\r\n<tr>\r\n<td Align=Left></td>\r\n</tr>\r\n</table>\r\n";
    EXPECT_EQ(memo().Text(), "ab" + table + "cd");
    EXPECT_EQ(memo().SelStart(), 2 + table.size());
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    memo().Undo();
    EXPECT_EQ(memo().Text(), "ab-cd");
    EXPECT_EQ(memo().SelText(), "-");
    EXPECT_TRUE(prompter->messages.empty());

    // A failure has no text of its own: the error box says what went wrong.
    prompter->queueDialog([](QDialog&) -> int { throw std::runtime_error("the grid broke"); });
    frm->Table_BtnClick(nullptr);
    EXPECT_EQ(prompter->messageTexts(), QStringList{"the grid broke"});
    EXPECT_EQ(memo().Text(), "ab-cd");
}

TEST_F(MarkupCommandsTest, TheTableDesignerOpensFromTheMenuAndBothToolBoxes) {
    start();
    QAction* table = nullptr;
    for (QAction* a : frm->HTML1->actions())
        if (a->text() == "&Table")
            table = a;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->shortcut(), QKeySequence("Ctrl+T"));
    for (int i = 0; i < 3; ++i)
        prompter->queueDialog([](QDialog&) { return QDialog::Rejected; });
    table->trigger();
    frm->ToolBox->tableButton()->click();
    frm->ToolBox_Horiz->tableButton()->click();
    EXPECT_EQ(prompter->dialogsShown, (std::vector<QString>(3, "zorvel::TTableFrm")));
    EXPECT_EQ(frm->ToolBox->tableButton()->toolTip(), "Create a table");
}

TEST_F(MarkupCommandsTest, TheTableDesignersTestPageShowsTheTableInTheViewerInThePreviewsFont) {
    writeIni("[Options]\nPreview_Font_Name=Courier New\nPreview_Font_Size=14\n");
    start();
    prompter->queueDialog([](QDialog& d) {
        auto* viewer = d.findChild<THTMLViewer*>("TableViewer");
        EXPECT_NE(viewer, nullptr);
        if (!viewer)
            return QDialog::Rejected;
        EXPECT_EQ(viewer->DefFontName(), "Courier New");
        EXPECT_EQ(viewer->DefFontSize(), 14);
        EXPECT_EQ(viewer->DefPreFontName(), "Courier New");
        EXPECT_FALSE(viewer->ViewImages());
        EXPECT_EQ(viewer->HistoryMaxCount(), 0);
        d.findChild<QLineEdit*>("TableCaption")->setText("Prices");
        auto* tabs = d.findChild<QTabWidget*>("TabSet1");
        const auto shown = [viewer] { return dumpModelText(viewer->Document(), viewer->NameList(), {}); };
        tabs->setCurrentIndex(1);
        EXPECT_TRUE(shown().contains("Table ")) << shown().toStdString();
        EXPECT_TRUE(shown().contains("\"Prices\""));
        tabs->setCurrentIndex(0);
        EXPECT_FALSE(shown().contains("Prices"));
        return QDialog::Rejected;
    });
    frm->Table_BtnClick(nullptr);
    EXPECT_TRUE(prompter->drained());
}
