// Nothing the user writes is lost: settings that cannot be written, questions
// that can be cancelled, counts in the settings file that would never end.
#include "main_window_fixture.h"
#include "app_messages.h"

#include "termination_signals.h"

#include <QDir>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <cstdio>

using namespace zorvel;
using namespace zorvel::testing;

namespace {
// A folder where the settings file should be: nothing can replace it.
void makeSettingsUnwritable(const TempDir& tmp) { ASSERT_TRUE(QDir(tmp.path()).mkdir("zor-vel.ini")); }
} // namespace

TEST_F(MainWindowTest, ExitEndsTheProgramWhenTheSettingsCannotBeWritten) {
    start();
    makeSettingsUnwritable(tmp);
    EXPECT_TRUE(frm->Exit1Click());
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Exception error in Exit1Click ..\r\nUnable to write to " +
                                                      dir() + "zor-vel.ini: "))
        << prompter->messages[0].text.toStdString();
}

TEST_F(MainWindowTest, SaveAsSavesEvenWhenTheFolderCannotBeRemembered) {
    start();
    memo().setSelText("text");
    makeSettingsUnwritable(tmp);
    const QString target = tmp.file("page.htm");
    prompter->queueFile(target);
    frm->SaveAs1Click();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_EQ(frm->ActiveDocument()->FileName, target);
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Unable to write to " + dir() + "zor-vel.ini\r\n"));
}

// Cancel on a close question keeps the document, its text and every later one.
TEST_F(MainWindowTest, CancelStopsTheCloseCloseAllAndTheExit) {
    const QString a = file("a.htm", "a");
    start({a});
    memo().setSelText("changed ");
    prompter->queueAnswer(MessageAnswer::Cancel);
    frm->Close1Click();
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_TRUE(memo().Modified());
    EXPECT_EQ(prompter->messages.back().buttons, MessageButtons::YesNoCancel);

    prompter->queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(frm->CloseAll1Click());
    EXPECT_EQ(frm->DocumentCount(), 1);

    prompter->queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(frm->Exit1Click());
    EXPECT_EQ(exitCode, -1);
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_EQ(prompter->messageTexts(), QStringList({"There is unsaved text, Save it or not ..?",
                                                     "Save file :a.htm ?", "Save file :a.htm ?"}));
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("a"));
}

// Counts far beyond the keys the file holds read what is there, at once.
TEST_F(MainWindowTest, HugeCountsInTheSettingsFileReadOnlyWhatIsThere) {
    const QString a = file("a.htm", "a");
    writeIni("[File_History]\nNo_Files=2147483647\nFile_1=" + a.toUtf8() +
             "\n[Templates]\nNo_Templates=2147483647\n[URLS]\nNo_URLS=2147483647\nURL_1=http://x\n"
             "[Options]\nSave_Interval=71582789\n");
    start();
    EXPECT_EQ(frm->FileHistory.entries(), QStringList{a});
    // 71582789 minutes in seconds does not fit an int: as good as never, not 44 seconds.
    EXPECT_EQ(frm->autoSave.limit(), std::numeric_limits<int>::max());
    frm->New1Click(); // no usable template: a blank page
    EXPECT_EQ(frm->DocumentCount(), 2);
}

namespace {
QStringList journals(const QString& dir) { return QDir(dir + "recovery").entryList({"*.journal"}, QDir::Files); }
} // namespace

// A changed document's text is journaled by the timer, not per keystroke, and the
// journal goes when the text is saved or its changes dropped.
TEST_F(MainWindowTest, UnsavedTextIsJournaledUntilSavedOrDropped) {
    const QString a = file("a.htm", "a\r\n");
    start({a});
    memo().setSelText(QStringLiteral(u"\u00e9\u2029x "));
    EXPECT_TRUE(journals(dir()).isEmpty());
    EXPECT_TRUE(frm->JournalTimer->isActive());
    frm->JournalTick();
    ASSERT_EQ(journals(dir()).size(), 1);
    frm->Save1Click();
    EXPECT_TRUE(journals(dir()).isEmpty());

    memo().setSelText("more");
    frm->JournalTick();
    EXPECT_EQ(journals(dir()).size(), 1);
    prompter->queueAnswer(MessageAnswer::No);
    frm->Close1Click();
    EXPECT_TRUE(journals(dir()).isEmpty());

    frm->New1Click();
    memo().setSelText("typed");
    frm->JournalTick();
    prompter->queueAnswer(MessageAnswer::No);
    ASSERT_TRUE(frm->Exit1Click());
    frm.reset();
    EXPECT_EQ(QDir(dir() + "recovery").entryList(QDir::Files), QStringList()); // no journal, no lock
}

// The runs that end abnormally are other processes: this test program run again
// with one of the scenarios below (kept out of the normal runs by DISABLED_),
// on the same program directory. A forked copy of a Qt program is no good:
// Qt's painting threads do not survive the fork.
class AbnormalEnd : public MainWindowTest {
protected:
    // Starts the scenario and waits until it says it is ready.
    void startRun(QProcess& run, const char* scenario) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZORVEL_TEST_DIR", dir());
        // The run never cleans up after itself: its own temporary folder goes
        // inside ours, which is removed.
        env.insert("TMPDIR", dir());
        run.setProcessEnvironment(env);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=AbnormalEndScenario.DISABLED_") + scenario,
                   "--gtest_also_run_disabled_tests"});
        ASSERT_TRUE(run.waitForStarted());
        while (!run.readAllStandardOutput().contains("READY") && run.state() == QProcess::Running)
            run.waitForReadyRead(10000);
        ASSERT_EQ(run.state(), QProcess::Running);
    }
};

const QString kTyped = QStringLiteral(u"caf\u00e9\u00a0\u2029 <b>bold</b>\r\n");

// The scenarios: a window on the directory the test gave, text typed.
class AbnormalEndScenario : public MainWindowTest {
protected:
    QString given() const { return qEnvironmentVariable("ZORVEL_TEST_DIR"); }
    void startThere(const QStringList& arguments) {
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        MainEnvironment env;
        env.programDir = given();
        env.screenSize = QSize(1024, 768);
        env.prompter = std::move(scripted);
        env.arguments = arguments;
        env.endProcess = [this](int code) { exitCode = code; };
        env.recoveryDir = given() + QStringLiteral("recovery");
        frm = std::make_unique<TMainFrm>(std::move(env));
        frm->show();
    }
    static void ready() {
        std::printf("READY\n");
        std::fflush(stdout);
    }
};

TEST_F(AbnormalEndScenario, DISABLED_TypeAndWaitToBeKilled) {
    startThere({given() + "a.htm"});
    memo().setSelText(kTyped);
    frm->New1Click();
    memo().setSelText("untitled text");
    frm->JournalTick();
    ready();
    for (;;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST_F(AbnormalEndScenario, DISABLED_TypeAndWaitForTheLogout) {
    startThere({});
    frm->SaverTimer->stop();
    memo().setSelText("typed just before the logout");
    zorvel::watchTerminationSignals(frm.get(), [this] { frm->terminate(); });
    ready();
    while (exitCode < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const bool asked = !prompter->messages.empty();
    frm.reset(); // the window goes without the exit sequence's questions
    std::_Exit(!asked && exitCode == 0 ? 0 : 3);
}

// A run killed with SIGKILL after typing: the next run offers the text back,
// exactly, as changed documents with their file names.
TEST_F(AbnormalEnd, AKilledRunsTextIsRecoveredExactly) {
    const QString a = file("a.htm", "line\nend");
    QProcess run;
    startRun(run, "TypeAndWaitToBeKilled");
    run.kill(); // SIGKILL
    run.waitForFinished();

    start({}, QSize(1024, 768), false);
    prompter->queueChoice(0); // Recover
    frm->show();
    ASSERT_EQ(frm->DocumentCount(), 2) << prompter->messageTexts().join("|").toStdString();
    EXPECT_TRUE(prompter->messages[0].text.contains(a));
    EXPECT_EQ(prompter->messages[0].choices, QStringList({"&Recover", "&Discard"}));
    TEditForm* recovered = nullptr;
    for (TEditForm* f : frm->windowOrder())
        if (f->FileName == a)
            recovered = f;
    ASSERT_TRUE(recovered);
    EXPECT_TRUE(recovered->MemoPad->Modified());
    EXPECT_EQ(recovered->caption(), "a.htm");
    // What was typed, its line break in the file's own kind.
    EXPECT_EQ(recovered->MemoPad->exactText(), QString(kTyped).replace("\r\n", "\n") + "line\nend");
    // The old run's journals are gone; this run keeps its own.
    EXPECT_EQ(journals(dir()).size(), 2);
}

TEST_F(AbnormalEnd, TerminationWritesTheJournalsAndLeavesWithoutQuestions) {
    QProcess run;
    startRun(run, "TypeAndWaitForTheLogout");
    ::kill(pid_t(run.processId()), SIGTERM);
    ASSERT_TRUE(run.waitForFinished());
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);
    const QStringList left = journals(dir());
    ASSERT_EQ(left.size(), 1);
    QFile journal(dir() + "recovery/" + left[0]);
    ASSERT_TRUE(journal.open(QIODevice::ReadOnly));
    EXPECT_TRUE(journal.readAll().contains("typed just before the logout"));
}

// Another program changes or deletes an open file: the user is asked when the
// document comes forward or is saved, and a save never overwrites unasked.
TEST_F(MainWindowTest, AChangeOutsideIsReloadedOrKeptButNeverOverwrittenUnasked) {
    const QString a = file("a.htm", "mine\r\n");
    start({a});
    memo().setSelText("edit ");
    QThread::msleep(5); // a new modification time even on coarse clocks
    file("a.htm", "theirs\r\n");
    frm->SaverTimerTimer(); // the automatic save leaves it alone
    prompter->queueChoice(1); // keep my version
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("edit mine\r\n"));
    EXPECT_EQ(prompter->messages.back().text, a + " has been changed outside Zorvel. Reload it, or keep your version?");

    QThread::msleep(5);
    file("a.htm", "theirs again\r\n");
    prompter->queueChoice(0); // reload
    frm->New1Click();
    frm->FileTabSet->tabBarClicked(0); // back to a.htm
    EXPECT_EQ(memo().Text(), "theirs again\r\n");
    EXPECT_FALSE(memo().Modified());

    QFile::remove(a);
    frm->New1Click();
    frm->FileTabSet->tabBarClicked(0);
    EXPECT_EQ(prompter->messages.back().text,
              a + " has been deleted outside Zorvel. Your text is kept: save it to write the file again.");
    EXPECT_TRUE(memo().Modified());
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("theirs again\r\n"));
}
