// Recent files, the automatic save and the exit.
#include "app_messages.h"
#include "control/html_viewer.h"
#include "main_window_fixture.h"

#include <QCloseEvent>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {
void tick(TMainFrm& frm, int seconds) {
    for (int i = 0; i < seconds; ++i)
        frm.SaverTimerTimer();
}
} // namespace

TEST_F(MainWindowTest, SevenFilesShowTheLastFiveAndExitStoresFive) {
    start();
    QStringList paths;
    for (int i = 1; i <= 7; ++i) {
        paths << file(QStringLiteral("f%1.htm").arg(i), "x");
        prompter->queueFile(paths.last());
        frm->Open1Click();
    }
    EXPECT_EQ(frm->FileHistory().count(), 7);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frm->MenuEntry[i]->text(), QStringLiteral("&%1 - ").arg(i + 1) + paths[6 - i]);
    ASSERT_TRUE(frm->Exit1Click());
    EXPECT_EQ(ini().readInteger("File_History", "No_Files", -1), 5);
    EXPECT_EQ(ini().readString("File_History", "File_1", ""), paths[6]);
    EXPECT_EQ(ini().readString("File_History", "File_5", ""), paths[2]);
    EXPECT_FALSE(ini().hasKey("File_History", "File_6"));
    EXPECT_EQ(ini().readInteger("Size", "Left", -1), 10);
}

TEST_F(MainWindowTest, ReopenMovesTheEntryToTheTopAndOpensTheFile) {
    const QString a = file("a.htm", "a");
    const QString b = file("b.htm", "b");
    writeIni(QStringLiteral("[File_History]\nNo_Files=2\nFile_1=%1\nFile_2=%2\n").arg(a, b).toUtf8());
    start();
    frm->MenuEntry[1]->trigger();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{b, a}));
    EXPECT_EQ(frm->ActiveDocument()->caption(), "b.htm");
    EXPECT_EQ(tabTexts(), (QStringList{"<Untitled>", "b.htm"}));
    EXPECT_EQ(frm->MenuEntry[0]->text(), "&1 - " + b);
    EXPECT_FALSE(ini().hasKey("Files", "Open_Dir")); // reopening is not opening
}

// Recent files, Open and a link followed in the preview: each finds the open
// document, with its unsaved edits, and never reads the file a second time.
TEST_F(MainWindowTest, AFileAlreadyOpenComesForwardInsteadOfOpeningTwice) {
    const QString a = file("a.htm", "<A HREF=\"b.htm\">b</A>");
    const QString b = file("b.htm", "b");
    ASSERT_TRUE(QFile::link(b, dir() + "alias.htm"));
    writeIni(QStringLiteral("[File_History]\nNo_Files=2\nFile_1=%1\nFile_2=%2\n").arg(a, b).toUtf8());
    start({a});
    TEditForm* first = frm->ActiveDocument();
    frm->ReOpenClick(2);
    TEditForm* second = frm->ActiveDocument();
    second->MemoPad->setSelText("edited ");
    const auto backTo = [&](TEditForm* form) { frm->mdiArea->setActiveSubWindow(form); };

    backTo(first);
    frm->ReOpenClick(1); // b, moved to the top by the reopen
    EXPECT_EQ(frm->ActiveDocument(), second);
    backTo(first);
    prompter->queueFile(dir() + "alias.htm");
    frm->Open1Click();
    EXPECT_EQ(frm->ActiveDocument(), second);
    backTo(first);
    frm->Preview_BtnClick();
    frm->Preview->FollowLink("b.htm");
    frm->Preview_BtnClick();
    EXPECT_EQ(frm->ActiveDocument(), second);

    EXPECT_EQ(frm->DocumentCount(), 2);
    EXPECT_EQ(tabTexts(), (QStringList{"a.htm", "b.htm"}));
    EXPECT_EQ(second->MemoPad->Text(), "edited b");
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{a, b})) << "the preview saved a";
    EXPECT_TRUE(prompter->messages.empty());
}

// A list stored with a file twice: the chosen entry moves, the other stays.
TEST_F(MainWindowTest, ReopeningARepeatedEntryMovesThatEntry) {
    const QString a = file("a.htm", "a");
    const QString x = file("x.htm", "x");
    writeIni(QStringLiteral("[File_History]\nNo_Files=3\nFile_1=%1\nFile_2=%2\nFile_3=%1\n").arg(a, x).toUtf8());
    start({a}); // the command line lists its file once, first
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{a, x, a}));
    frm->ReOpenClick(3);
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{a, a, x}));
}

TEST_F(MainWindowTest, ReopeningAFileThatIsGoneShowsWhyAndLeavesNoWindow) {
    const QString a = file("a.htm", "a");
    writeIni(QStringLiteral("[File_History]\nNo_Files=1\nFile_1=%1\n").arg(a).toUtf8());
    start();
    QFile::remove(a);
    frm->ReOpenClick(1);
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.contains("a.htm"));
    EXPECT_EQ(frm->DocumentCount(), 1);
}

TEST_F(MainWindowTest, TheAutomaticSaveSavesNamedDocumentsAfterTheIntervalOfOpenSeconds) {
    writeIni("[Options]\nSave_Interval=1\n");
    const QString page = file("page.htm", "old");
    start({page});
    memo().setText("new");
    tick(*frm, 59);
    EXPECT_EQ(tmp.read("page.htm"), QByteArray("old"));
    tick(*frm, 1);
    EXPECT_EQ(tmp.read("page.htm"), QByteArray("new"));
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_EQ(ini().readString("Files", "Save_Dir", ""), dir());
    EXPECT_TRUE(frm->SaverTimer()->isActive());
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(MainWindowTest, SecondsWithoutADocumentDoNotCount) {
    writeIni("[Options]\nSave_Interval=1\n");
    start();
    tick(*frm, 30);
    frm->Close1Click();
    tick(*frm, 600);
    EXPECT_EQ(frm->session().autoSave().counter().seconds(), 30);
}

TEST_F(MainWindowTest, AnUntitledPageIsOfferedOnceUntilItChangesAgainAndStaysChanged) {
    writeIni("[Options]\nSave_Interval=1\n");
    start();
    memo().setSelText("x");
    prompter->queueAnswer(MessageAnswer::No);
    tick(*frm, 60);
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Save File :<Untitled> ?"});
    EXPECT_TRUE(memo().Modified());
    tick(*frm, 60); // not asked again
    EXPECT_EQ(prompter->messages.size(), 1u);
    memo().setSelText("y");
    prompter->queueAnswer(MessageAnswer::Yes);
    prompter->queueFile(std::nullopt); // a cancelled dialog counts like No
    tick(*frm, 60);
    EXPECT_EQ(prompter->messages.size(), 2u);
    EXPECT_EQ(prompter->fileDialogs.back().fileName, "untitled.htm");
    EXPECT_TRUE(memo().Modified());
    // Closing it still asks.
    prompter->queueAnswer(MessageAnswer::No);
    frm->Close1Click();
    EXPECT_EQ(prompter->messageTexts().last(), "There is unsaved text, Save it or not ..?");
}

TEST_F(MainWindowTest, SavingAnUntitledPageAutomaticallyKeepsTheTabAndTheRecentFiles) {
    writeIni("[Options]\nSave_Interval=1\n");
    start();
    memo().setSelText("x");
    const QString target = tmp.file("auto.htm");
    prompter->queueAnswer(MessageAnswer::Yes);
    prompter->queueFile(target);
    tick(*frm, 60);
    EXPECT_EQ(frm->ActiveDocument()->caption(), "auto.htm");
    EXPECT_EQ(frm->ActiveDocument()->FileName, target);
    EXPECT_EQ(tabTexts(), QStringList{"<Untitled>"});
    EXPECT_TRUE(frm->FileHistory().isEmpty());
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(QFile::exists(target));
}

TEST_F(MainWindowTest, AFailedAutomaticSaveSwitchesTheTimerOff) {
    writeIni("[Options]\nSave_Interval=1\n");
    QDir(tmp.path()).mkdir("site");
    const QString page = tmp.write("site/p.htm", "p");
    start({page});
    memo().setSelText("x");
    QDir(tmp.path()).rename("site", "moved");
    tmp.write("site", "");
    tick(*frm, 60);
    EXPECT_EQ(prompter->messageTexts(),
              QStringList{"Exception error in SaverTimerTimer\r\nCannot write " + page + ": Not a directory"});
    EXPECT_EQ(frm->statusBar()->currentMessage(), kAutoSaveSwitchedOff);
    EXPECT_FALSE(frm->SaverTimer()->isActive());
    EXPECT_TRUE(memo().Modified());
}

TEST_F(MainWindowTest, ClosingTheWindowDuringThePreviewIsRefused) {
    start({file("page.htm", "<P>page</P>")});
    frm->Preview_BtnClick();
    ASSERT_TRUE(frm->PreviewActive());
    QCloseEvent refused;
    QCoreApplication::sendEvent(frm.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(prompter->messageTexts(),
              QStringList{"Please exit the Previewer first before exiting this application .."});
    EXPECT_EQ(frm->DocumentCount(), 1);
    frm->Preview_BtnClick(); // back to the editor
    QCloseEvent accepted;
    QCoreApplication::sendEvent(frm.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(frm->DocumentCount(), 0);
}

TEST_F(MainWindowTest, TheExitSequenceRunsOnceWhenTheWindowIsDestroyedAfterExit) {
    start();
    ASSERT_TRUE(frm->Exit1Click());
    QFile::remove(dir() + "zor-vel.ini");
    frm.reset(); // destroying the window must not write the settings again
    EXPECT_FALSE(QFile::exists(dir() + "zor-vel.ini"));
}

TEST_F(MainWindowTest, DestroyingTheWindowWithoutExitStillStoresTheSettings) {
    start();
    frm.reset();
    EXPECT_EQ(ini().readInteger("Size", "Width", 0), 1004);
}
