// Nothing the user writes is lost: settings that cannot be written, questions
// that can be cancelled, counts in the settings file that would never end.
#include "app_messages.h"
#include "main_window_fixture.h"

#include "recovery_store.h"
#include "termination_signals.h"

#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <csignal>
#include <cstdio>

using namespace zorvel;
using namespace zorvel::testing;

namespace {
// A folder where the settings file should be: nothing can replace it.
void makeSettingsUnwritable(const TempDir& tmp) {
    ASSERT_TRUE(QDir(tmp.path()).mkdir("zor-vel.ini"));
}
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
    EXPECT_EQ(prompter->messageTexts(),
              QStringList({"There is unsaved text, Save it or not ..?", "Save file :a.htm ?", "Save file :a.htm ?"}));
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("a"));
}

// Counts far beyond the keys the file holds read what is there, at once.
TEST_F(MainWindowTest, HugeCountsInTheSettingsFileReadOnlyWhatIsThere) {
    const QString a = file("a.htm", "a");
    writeIni("[File_History]\nNo_Files=2147483647\nFile_1=" + a.toUtf8() +
             "\n[Templates]\nNo_Templates=2147483647\n[URLS]\nNo_URLS=2147483647\nURL_1=http://x\n"
             "[Options]\nSave_Interval=71582789\n");
    start();
    EXPECT_EQ(frm->FileHistory().entries(), QStringList{a});
    // 71582789 minutes in seconds does not fit an int: as good as never, not 44 seconds.
    EXPECT_EQ(frm->session().autoSave().counter().limit(), std::numeric_limits<int>::max());
    frm->New1Click(); // no usable template: a blank page
    EXPECT_EQ(frm->DocumentCount(), 2);
}

namespace {
QStringList journals(const QString& dir) {
    return QDir(dir + "recovery").entryList({"*.journal"}, QDir::Files);
}
} // namespace

// A changed document's text is journaled by the timer, not per keystroke, and the
// journal goes when the text is saved or its changes dropped.
TEST_F(MainWindowTest, UnsavedTextIsJournaledUntilSavedOrDropped) {
    const QString a = file("a.htm", "a\r\n");
    start({a});
    memo().setSelText(QStringLiteral(u"\u00e9\u2029x "));
    EXPECT_TRUE(journals(dir()).isEmpty());
    EXPECT_TRUE(frm->session().journals().timer()->isActive());
    frm->session().journals().tick();
    ASSERT_EQ(journals(dir()).size(), 1);
    frm->Save1Click();
    EXPECT_TRUE(journals(dir()).isEmpty());

    memo().setSelText("more");
    frm->session().journals().tick();
    EXPECT_EQ(journals(dir()).size(), 1);
    prompter->queueAnswer(MessageAnswer::No);
    frm->Close1Click();
    EXPECT_TRUE(journals(dir()).isEmpty());

    frm->New1Click();
    memo().setSelText("typed");
    frm->session().journals().tick();
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
    frm->session().journals().tick();
    ready();
    for (;;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST_F(AbnormalEndScenario, DISABLED_TypeInTheFileAndWaitToBeKilled) {
    startThere({given() + "a.htm"});
    memo().setSelText(kTyped);
    frm->session().journals().tick();
    ready();
    for (;;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST_F(AbnormalEndScenario, DISABLED_TypeAndWaitForTheLogout) {
    startThere({});
    frm->SaverTimer()->stop();
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

const QString kChangedQuestion =
    " has been changed outside Zorvel and you have unsaved changes here.\r\n\r\n"
    "Reload the file and lose your changes, or keep your version and write it over the file at the next save?";

// The file is changed by another program after the crash: the recovered text does
// not go over it unasked, neither when it comes forward nor when it is saved.
TEST_F(AbnormalEnd, ARecoveredTextAsksBeforeItOverwritesAChangeMadeAfterTheKill) {
    const QString a = file("a.htm", "line\nend");
    QProcess run;
    startRun(run, "TypeInTheFileAndWaitToBeKilled");
    run.kill(); // SIGKILL
    run.waitForFinished();
    file("a.htm", "changed by another program\n");

    start({}, QSize(1024, 768), false);
    prompter->queueChoice(0); // Recover
    prompter->queueEscape();  // the question as the recovered text comes forward
    frm->show();
    ASSERT_EQ(prompter->messages.size(), 2u) << prompter->messageTexts().join("|").toStdString();
    EXPECT_EQ(prompter->messages[1].text, a + kChangedQuestion);
    prompter->queueEscape();
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("changed by another program\n"));
    prompter->queueChoice(1); // keep my version
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), (QString(kTyped).replace("\r\n", "\n") + "line\nend").toUtf8());
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
    frm->SaverTimerTimer();   // the automatic save leaves it alone
    prompter->queueChoice(1); // keep my version
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("edit mine\r\n"));
    EXPECT_TRUE(prompter->messages.back().text.startsWith(a + " has been changed outside Zorvel"));

    // Nothing unsaved here: the file is taken as it is, without a question.
    QThread::msleep(5);
    file("a.htm", "theirs again\r\n");
    const size_t asked = prompter->messages.size();
    frm->New1Click();
    frm->FileTabSet->tabBarClicked(0); // back to a.htm
    EXPECT_EQ(memo().Text(), "theirs again\r\n");
    EXPECT_FALSE(memo().Modified());
    EXPECT_EQ(prompter->messages.size(), asked);
    EXPECT_EQ(frm->statusBar()->currentMessage(), a + " was changed outside Zorvel and has been reloaded.");
    EXPECT_TRUE(frm->statusBar()->isVisible());

    QFile::remove(a);
    frm->New1Click();
    frm->FileTabSet->tabBarClicked(0);
    EXPECT_EQ(prompter->messages.back().text,
              a + " has been deleted outside Zorvel. Your text is kept: save it to write the file again.");
    EXPECT_TRUE(memo().Modified());
    frm->Save1Click();
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("theirs again\r\n"));
}

// A journal a crashed run left, for a.htm holding "theirs": with the file's stamp
// taken then, or without one, as earlier versions wrote them. The file is then
// changed or only touched.
TEST_F(MainWindowTest, ARecoveredDocumentAsksWhenItsFileChangedOrItsStateIsUnknown) {
    const struct {
        const char* name;
        bool stamped;
        QByteArray after; // empty: only touched
        bool asked;
    } cases[] = {
        {"journal of an earlier version", false, {}, true},
        {"file only touched", true, {}, false},
        {"file changed, same size", true, "THEIRS", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString a = file("a.htm", "theirs");
        const QByteArray old = "Zorvel recovery 1\nfile=" + QUrl::toPercentEncoding(a) + "\n\nrecovered text";
        QDir().mkpath(dir() + "recovery");
        tmp.write("recovery/crashedrun-1.journal",
                  c.stamped ? encodeJournal({a, "recovered text", {}, diskStampOf(a)}) : old);
        if (!c.after.isEmpty())
            file("a.htm", c.after);
        QFile touched(a);
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        touched.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        touched.close();

        start({}, QSize(1024, 768), false);
        prompter->queueChoice(0); // Recover
        if (c.asked)
            prompter->queueEscape();
        frm->show();
        EXPECT_EQ(prompter->messages.size(), c.asked ? 2u : 1u) << prompter->messageTexts().join("|").toStdString();
        EXPECT_EQ(memo().Text(), "recovered text");
        TearDown();
    }
}

// Each answer to the question, asked before a save or as the window comes forward.
TEST_F(MainWindowTest, EachAnswerToTheChangedOnDiskQuestionDoesWhatItSays) {
    // Escape presses the escape button, checked to be Cancel.
    enum Answer { Reload, Keep, Cancel };
    const struct {
        bool onSave;
        Answer answer;
        QByteArray file;  // the file afterwards
        const char* text; // the document afterwards
        bool modified;
    } cases[] = {
        {true, Reload, "theirs\r\n", "theirs\r\n", false},   {true, Keep, "edit mine\r\n", "edit mine\r\n", false},
        {true, Cancel, "theirs\r\n", "edit mine\r\n", true}, {false, Reload, "theirs\r\n", "theirs\r\n", false},
        {false, Keep, "theirs\r\n", "edit mine\r\n", true},  {false, Cancel, "theirs\r\n", "edit mine\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.onSave ? "before a save, answer " : "on activation, answer ") + "RKC"[c.answer]);
        const QString a = file("a.htm", "mine\r\n");
        start({a});
        memo().setSelText("edit ");
        file("a.htm", "theirs\r\n");
        prompter->queueChoice(c.answer);
        if (c.onSave) {
            frm->Save1Click();
        } else {
            frm->New1Click();
            frm->FileTabSet->tabBarClicked(0);
        }
        ASSERT_EQ(prompter->messages.size(), 1u);
        const RecordedMessage& q = prompter->messages[0];
        EXPECT_EQ(q.text, a + kChangedQuestion);
        EXPECT_EQ(q.choices, QStringList({"&Reload", "&Keep my version", "Cancel"}));
        EXPECT_EQ(std::pair(q.defaultChoice, q.escapeChoice), std::pair(2, 2));
        EXPECT_EQ(tmp.read("a.htm"), c.file);
        EXPECT_EQ(memo().Text(), c.text);
        EXPECT_EQ(memo().Modified(), c.modified);
        EXPECT_EQ(frm->Save_Btn->isEnabled(), c.modified);

        // Coming forward again asks nothing more; a save asks again only while the
        // change is undecided, and after Keep overwrites without asking.
        frm->New1Click();
        frm->FileTabSet->tabBarClicked(0);
        const bool undecided = c.answer == Cancel;
        if (undecided)
            prompter->queueChoice(Keep);
        frm->Save1Click();
        EXPECT_EQ(prompter->messages.size(), undecided ? 2u : 1u);
        EXPECT_EQ(tmp.read("a.htm"), QByteArray(c.modified ? "edit mine\r\n" : c.file));
        TearDown();
    }
}

// A recovery folder that cannot be written: the user is told once, with the reason,
// and the journal is tried again until it can be written.
TEST_F(MainWindowTest, AnUnwritableRecoveryFolderIsToldOnceAndRetried) {
    file("recovery", "a file where the folder should be");
    start();
    memo().setSelText("typed");
    frm->session().journals().tick();
    const QString told =
        "Unsaved changes are not being kept for recovery: cannot write " + dir() + "recovery: Not a directory";
    EXPECT_EQ(prompter->messageTexts(), QStringList{told});
    EXPECT_EQ(frm->statusBar()->currentMessage(), told);
    EXPECT_TRUE(frm->statusBar()->isVisible());
    EXPECT_TRUE(frm->session().journals().timer()->isActive()); // tried again later

    memo().setSelText(" more");
    frm->session().journals().tick();
    EXPECT_EQ(prompter->messages.size(), 1u);

    QFile::remove(dir() + "recovery");
    frm->session().journals().tick();
    EXPECT_EQ(journals(dir()).size(), 1);
    EXPECT_EQ(frm->statusBar()->currentMessage(), "");
    EXPECT_FALSE(frm->statusBar()->isVisible());
    EXPECT_EQ(prompter->messages.size(), 1u);
}
