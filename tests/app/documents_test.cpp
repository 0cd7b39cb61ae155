// Document windows and the file commands, with the questions they ask.
#include "app_messages.h"
#include "find_dialogs.h"
#include "main_window_fixture.h"
#include "text_file.h"
#include "toolbox.h"

#include <QDir>
#include <QPushButton>

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {
const QString kUnsaved = QStringLiteral("There is unsaved text, Save it or not ..?");
}

TEST_F(MainWindowTest, SavingTheBlankPageAsksForANameAndRetitlesWindowAndTab) {
    start();
    memo().setSelText("x");
    const QString target = tmp.file("first.htm");
    prompter->queueFile(target);
    frm->Save1Click();
    ASSERT_EQ(prompter->fileDialogs.size(), 1u);
    EXPECT_EQ(prompter->fileDialogs[0].title, "Save a HTML file");
    EXPECT_EQ(prompter->fileDialogs[0].fileName, "");
    EXPECT_EQ(prompter->fileDialogs[0].directory, dir());
    EXPECT_EQ(frm->ActiveDocument()->FileName, target);
    EXPECT_EQ(frm->ActiveDocument()->caption(), "first.htm");
    EXPECT_EQ(tabTexts(), QStringList{"first.htm"});
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(tmp.read("first.htm").startsWith("<HTML>\r\n<HEAD>\r\n"));
    EXPECT_EQ(ini().readString("Files", "Save_Dir", ""), dir());
    EXPECT_EQ(frm->FileHistory().entries(), QStringList{target});
}

TEST_F(MainWindowTest, SaveAsCancelledWritesNothingAndKeepsTheDocumentChanged) {
    start();
    memo().setSelText("x");
    prompter->queueFile(std::nullopt);
    frm->SaveAs1Click();
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->ActiveDocument()->FileName.isEmpty());
    // Closing it later still asks, so the text cannot be lost without a question.
    prompter->queueAnswer(MessageAnswer::No);
    frm->Close1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{kUnsaved});
}

TEST_F(MainWindowTest, SaveAllSavesEveryChangedDocumentAskingNamesAndStopsAtACancel) {
    const QString a = file("a.htm", "a");
    const QString b = file("b.htm", "b");
    start({a});
    frm->OpenDocument(b, true);
    frm->New1Click();
    TEditForm* untitled = frm->ActiveDocument();
    frm->New1Click();
    TEditForm* last = frm->ActiveDocument();
    for (TEditForm* form : frm->windowOrder())
        if (form->FileName != b)
            form->MemoPad->setSelText("new ");
    prompter->queueFile(dir() + "named.htm");
    prompter->queueFile(std::nullopt);
    EXPECT_FALSE(frm->SaveAll1Click());
    EXPECT_EQ(tmp.read("a.htm"), "new a");
    EXPECT_TRUE(tmp.read("named.htm").contains("new "));
    EXPECT_EQ(untitled->FileName, dir() + "named.htm");
    EXPECT_EQ(prompter->fileDialogs.size(), 2u);
    EXPECT_EQ(frm->ActiveDocument(), last) << "the page asked about is in front";
    EXPECT_TRUE(last->MemoPad->Modified());

    // Ctrl+Shift+S; with a name for the last one everything is saved.
    prompter->queueFile(dir() + "last.htm");
    frm->SaveAll1->trigger();
    EXPECT_EQ(prompter->fileDialogs.size(), 3u);
    for (TEditForm* form : frm->windowOrder())
        EXPECT_FALSE(form->MemoPad->Modified()) << form->caption().toStdString();
    EXPECT_EQ(frm->SaveAll1->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(MainWindowTest, OpeningKeepsTheLineEndingsAndSavingMovesTheFileToTheTop) {
    const QString a = file("a.htm", "one\ntwo\n");
    const QString b = file("b.htm", "three\r\n");
    start();
    prompter->queueFile(a);
    frm->Open1Click();
    prompter->queueFile(b);
    frm->Open1Click();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{b, a}));
    EXPECT_EQ(ini().readString("Files", "Open_Dir", ""), dir());
    EXPECT_EQ(prompter->fileDialogs[1].directory, dir());
    EXPECT_EQ(tabTexts(), (QStringList{"<Untitled>", "a.htm", "b.htm"}));
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_EQ(frm->RowCol1->text(), "1: 1");

    prompter->queueFile(a);
    frm->Open1Click(); // already listed: the order stays
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{b, a}));
    frm->ActiveDocument()->MemoPad->setSelStart(3);
    frm->ActiveDocument()->MemoPad->setSelText("!");
    frm->Save1Click();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{a, b}));
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("one!\ntwo\n"));
    EXPECT_EQ(frm->MenuEntry[0]->text(), "&1 - " + a);
}

// "&" in a name is a character in the tab, the window list and the recent files.
TEST_F(MainWindowTest, NamesWithAnAmpersandAreShownAsTheyAre) {
    const QString path = file("R&D.htm", "x");
    start();
    prompter->queueFile(path);
    frm->Open1Click();
    EXPECT_EQ(frm->FileTabSet->tabText(1), "R&&D.htm");
    EXPECT_EQ(frm->MenuEntry[0]->text(), "&1 - " + QString(path).replace("&", "&&"));
    emit frm->Window1->aboutToShow();
    EXPECT_EQ(frm->Window1->actions().last()->text(), "&2 R&&D.htm");
    prompter->queueFile(dir() + "Q&A.htm");
    frm->SaveAs1Click();
    EXPECT_EQ(frm->FileTabSet->tabText(1), "Q&&A.htm");
}

TEST_F(MainWindowTest, OpenFailuresAreReportedAndLeaveNoHalfBuiltWindow) {
    start();
    QDir(tmp.path()).mkdir("folder");
    for (const QString& path : {tmp.file("folder"), tmp.file("gone.htm")}) {
        prompter->queueFile(path);
        frm->Open1Click();
        EXPECT_EQ(frm->DocumentCount(), 1);
        EXPECT_FALSE(frm->FileHistory().contains(path));
    }
    EXPECT_EQ(prompter->messages.size(), 2u);
    EXPECT_EQ(prompter->messages[0].text, "Exception error in Open1Click\r\nPlease report this error to "
                                          "support@zorvel.org\r\n" +
                                              tmp.file("folder") + " is not a file.");
}

// The file is read; only the start folder of the next Open could not be stored.
TEST_F(MainWindowTest, AnOpenedDocumentStaysWhenTheSettingsCannotBeWritten) {
    const QString page = file("page.htm", "<P>kept");
    start();
    QDir(tmp.path()).mkdir("zor-vel.ini");
    prompter->queueFile(page);
    frm->Open1Click();
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Exception error in Open1Click"));
    EXPECT_EQ(frm->DocumentCount(), 2);
    EXPECT_EQ(memo().Text(), "<P>kept");
    EXPECT_EQ(tabTexts(), (QStringList{"<Untitled>", "page.htm"}));
    EXPECT_TRUE(frm->Save1->isEnabled());
}

TEST_F(MainWindowTest, AFailedSaveLeavesTheOldFileAndTheDocumentChanged) {
    writeIni("[Options]\nSave_Interval=1\n");
    QDir(tmp.path()).mkdir("site");
    const QString page = tmp.write("site/page.htm", "old\r\n");
    start({page});
    memo().setSelText("new ");
    // The folder is replaced by a plain file: nothing can be written there any more.
    ASSERT_TRUE(QDir(tmp.path()).rename("site", "moved"));
    tmp.write("site", "not a folder");
    frm->Save1Click();
    // Why, and that the automatic save is now off.
    EXPECT_EQ(
        prompter->messageTexts(),
        QStringList({page + " has been deleted outside Zorvel. Your text is kept: save it to write the file again.",
                     "Exception error in Save1Click ..\r\nCannot write " + page + ": Not a directory"}));
    EXPECT_EQ(frm->statusBar()->currentMessage(), kAutoSaveSwitchedOff);
    EXPECT_TRUE(memo().Modified());
    EXPECT_FALSE(frm->SaverTimer()->isActive());
    EXPECT_EQ(tmp.read("moved/page.htm"), QByteArray("old\r\n"));
}

TEST_F(MainWindowTest, CloseAsksAboutUnsavedTextAndNoDropsIt) {
    start();
    memo().setSelText("lost");
    prompter->queueAnswer(MessageAnswer::No);
    frm->Close1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{kUnsaved});
    EXPECT_EQ(frm->DocumentCount(), 0);
    EXPECT_TRUE(tabTexts().isEmpty());
    // With the last document gone only New and Open stay.
    for (QAction* a : {frm->Save1, frm->Print1, frm->Close1, frm->Edit1->menuAction(), frm->HTML1->menuAction(),
                       frm->Forms1->menuAction(), frm->Tools1->menuAction(), frm->Window1->menuAction()})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(frm->ToolBox->isEnabled());
    EXPECT_FALSE(frm->ToolBox_Horiz->isEnabled());
    EXPECT_TRUE(frm->New1->isEnabled());
    EXPECT_TRUE(frm->Open1->isEnabled());
    EXPECT_FALSE(frm->TabPanel->isVisible());
}

TEST_F(MainWindowTest, YesThenACancelledSaveDialogKeepsTheWindowOpen) {
    start();
    memo().setSelText("keep me");
    prompter->queueAnswer(MessageAnswer::Yes);
    prompter->queueFile(std::nullopt);
    frm->Close1Click();
    ASSERT_EQ(frm->DocumentCount(), 1);
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(memo().Text().contains("keep me"));

    // The window's own close box asks its own question, with the same outcome.
    prompter->queueAnswer(MessageAnswer::Yes);
    prompter->queueFile(std::nullopt);
    frm->ActiveDocument()->close();
    EXPECT_EQ(prompter->messageTexts().last(), "Save file : ?");
    EXPECT_EQ(frm->DocumentCount(), 1);
}

TEST_F(MainWindowTest, CloseAllAsksForEachChangedDocumentStartingWithTheActiveOne) {
    const QString a = file("a.htm", "a");
    const QString b = file("b.htm", "b");
    start();
    for (const QString& path : {a, b}) {
        prompter->queueFile(path);
        frm->Open1Click();
    }
    for (TEditForm* form : frm->windowOrder())
        form->MemoPad->setSelText("changed ");
    for (int i = 0; i < 3; ++i)
        prompter->queueAnswer(MessageAnswer::No);
    EXPECT_TRUE(frm->CloseAll1Click());
    EXPECT_EQ(prompter->messageTexts(), (QStringList{"Save file :b.htm ?", "Save file :a.htm ?", "Save file : ?"}));
    EXPECT_EQ(frm->DocumentCount(), 0);
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("a"));
}

TEST_F(MainWindowTest, ACancelledSaveStopsCloseAllAndTheExit) {
    const QString a = file("a.htm", "a");
    start();
    prompter->queueFile(a);
    frm->Open1Click();
    frm->windowOrder()[1]->MemoPad->setSelText("blank changed");
    memo().setSelText("a changed ");
    prompter->queueAnswer(MessageAnswer::Yes); // a.htm: saved
    prompter->queueAnswer(MessageAnswer::Yes); // the blank page: Save As ...
    prompter->queueFile(std::nullopt);         // ... cancelled
    EXPECT_FALSE(frm->Exit1Click());
    EXPECT_EQ(exitCode, -1);
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("a changed a"));
    EXPECT_FALSE(ini().hasKey("Size", "Width"));
}

TEST_F(MainWindowTest, ActivationSelectsTheTabAndTheSaveButtonFollowsTheChangedFlag) {
    const QString a = file("a.htm", "a");
    start();
    prompter->queueFile(a);
    frm->Open1Click();
    memo().setSelText("x");
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    TEditForm* blank = frm->windowOrder()[1];
    frm->mdiArea->setActiveSubWindow(blank);
    EXPECT_EQ(frm->FileTabSet->currentIndex(), 0);
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    emit frm->FileTabSet->tabBarClicked(1);
    EXPECT_EQ(frm->ActiveDocument()->caption(), "a.htm");
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
}

// Row as shown and column, after a key, a command or a search has moved the caret.
TEST_F(MainWindowTest, ThePositionDisplayFollowsTheCaretAfterEveryChange) {
    start();
    memo().setSelStart(0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&memo(), &press);
    EXPECT_TRUE(memo().Text().startsWith("a<HTML>"));
    EXPECT_EQ(frm->RowCol1->text(), "1: 2");
    EXPECT_TRUE(frm->Save_Btn->isEnabled());

    memo().setSelStart(81); // line 6, column 3 (behind the typed "a")
    EXPECT_EQ(frm->RowCol1->text(), "6: 3");
    frm->Text_Format_Click(frm->ToolBox->formatButtons().first());
    EXPECT_EQ(frm->RowCol1->text(), QStringLiteral("6: %1").arg(memo().CaretColumn() + 1));
    EXPECT_GT(memo().CaretColumn(), 2);

    frm->Find1Click();
    frm->FindDialog->setFindText("</BODY>");
    frm->FindDialogFind();
    EXPECT_EQ(frm->RowCol1->text(), "9: 1");
}

TEST_F(MainWindowTest, WindowArrangementsPlaceEveryDocument) {
    start();
    frm->New1Click();
    frm->TileVertically1Click();
    const auto order = frm->windowOrder();
    EXPECT_EQ(order[0]->height(), order[1]->height());
    EXPECT_NE(order[0]->x(), order[1]->x());
    frm->TileHorizonatlly1Click();
    EXPECT_NE(order[0]->y(), order[1]->y());
    frm->Cascade1Click();
    EXPECT_EQ(frm->DocumentCount(), 2);
    EXPECT_EQ(tabTexts(), (QStringList{"<Untitled>", "<Untitled>"}));
}

TEST_F(MainWindowTest, NewUsesTheTemplateChooserOnlyWhenTemplatesExist) {
    start();
    frm->New1Click();
    EXPECT_EQ(frm->DocumentCount(), 2);
    EXPECT_TRUE(prompter->dialogsShown.empty());
    writeIni("[Templates]\nNo_Templates=0\n");
    frm->New1Click(); // nothing usable: a blank page without a dialog
    EXPECT_EQ(frm->DocumentCount(), 3);
    EXPECT_TRUE(prompter->dialogsShown.empty());

    // A template entry naming a file outside the template folder is not usable.
    tmp.write("outside.htm", "<P>not a template");
    writeIni("[Templates]\nNo_Templates=1\nTempName_1=Trap\nTempFile_1=" +
             (frm->programDir() + "template/../outside.htm").toUtf8() + "\n");
    frm->New1Click();
    EXPECT_EQ(frm->DocumentCount(), 4);
    EXPECT_TRUE(prompter->dialogsShown.empty());
    EXPECT_FALSE(memo().Text().contains("not a template"));

    // With a usable template the chooser offers the blank page too.
    QDir().mkpath(frm->programDir() + "template");
    tmp.write("template/temp1.tpl", "<P>from the template");
    writeIni("[Templates]\nNo_Templates=1\nTempName_1=Page\nTempFile_1=" +
             (frm->programDir() + "template/temp1.tpl").toUtf8() + "\n");
    prompter->queueDialog([](QDialog& d) {
        d.findChild<QPushButton*>("Blank_Btn")->click();
        return d.result();
    });
    frm->New1Click();
    EXPECT_EQ(prompter->dialogsShown.size(), 1u);
    EXPECT_EQ(frm->DocumentCount(), 5);
    EXPECT_EQ(tabTexts().back(), "<Untitled>");
    EXPECT_TRUE(memo().Text().startsWith("<HTML>"));
}

TEST_F(MainWindowTest, AFileTooLargeToEditIsRefusedWithItsNameAndSize) {
    start();
    QFile big(tmp.file("huge.htm"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxDocumentBytes + 1));
    big.close();
    prompter->queueFile(big.fileName());
    frm->Open1Click();
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.contains("huge.htm"));
    EXPECT_TRUE(prompter->messages[0].text.contains("67108865 bytes"));
    EXPECT_EQ(frm->DocumentCount(), 1);
}
