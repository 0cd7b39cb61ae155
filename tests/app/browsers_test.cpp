// The external browsers from the main window: the buttons set up at start-up and
// the page shown in a fake browser that records how it was started.
#include "main_window_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class BrowsersTest : public MainWindowTest {
protected:
    // A shell script that writes its argument count and arguments, one a line, and a
    // copy of the file it was given; the record is renamed into place when complete.
    QString fakeBrowser(const QString& name = QStringLiteral("fake browser")) {
        const QByteArray record = tmp.file("args.txt").toUtf8();
        const QByteArray seen = tmp.file("seen.txt").toUtf8();
        const QString script = file(name, "#!/bin/sh\n"
                                          "if [ -f \"$1\" ]; then cat \"$1\" > '" +
                                              seen + "'; fi\nprintf '%s\\n' \"$#\" \"$@\" > '" + record +
                                              ".part'\nmv '" + record + ".part' '" + record + "'\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }
    void startWithBrowsers(const QString& first, const QString& second, const QStringList& args = {}) {
        QByteArray ini = "[Options]\n";
        if (!first.isNull())
            ini += "Browser_Address=" + first.toUtf8() + "\n";
        if (!second.isNull())
            ini += "Browser_Address_2=" + second.toUtf8() + "\n";
        writeIni(ini);
        start(args);
        QCoreApplication::processEvents(); // the speed bar shows its widgets at its next layout
    }
    // The record of the browser's start; empty when it did not start within the time.
    QByteArray waitForRecord(int milliseconds = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(tmp.file("args.txt")) && clock.elapsed() < milliseconds) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        if (!QFile::exists(tmp.file("args.txt")))
            return {};
        QByteArray record = tmp.read("args.txt");
        QFile::remove(tmp.file("args.txt"));
        return record;
    }
};

#ifdef Q_OS_WIN
#define SKIP_WITHOUT_SHELL() GTEST_SKIP() << "the fake browser is a shell script"
#else
#define SKIP_WITHOUT_SHELL() (void)0
#endif

} // namespace

TEST_F(BrowsersTest, StartUpShowsAButtonForEachBrowserThatExists) {
    const QString web = fakeBrowser();
    const QString ie = fakeBrowser("IEXPLORE.EXE");
    struct Case {
        const char* what;
        QString first, second;
        bool shows1, shows2;
        const char* caption2;
    } cases[] = {
        {"blanks around the path in the settings file", "  " + web + " ", QString(), true, false, ""},
        {"the second named IEXPLORE.EXE", web, ie, true, true, "Explorer"},
        {"the second missing from disk", QString(), dir() + "gone.exe", false, false, ""},
        {"an empty first", "", ie, false, true, "Explorer"},
    };
    for (const auto& c : cases) {
        QFile::remove(dir() + "browser1.bmp");
        QFile::remove(dir() + "browser2.bmp");
        startWithBrowsers(c.first, c.second);
        EXPECT_EQ(frm->Browser_Btn1->isVisible(), c.shows1) << c.what;
        EXPECT_EQ(frm->Browser_Btn1->isEnabled(), c.shows1) << c.what;
        EXPECT_EQ(frm->Browser_Btn2->isVisible(), c.shows2) << c.what;
        EXPECT_EQ(frm->Browser_Btn2->isEnabled(), c.shows2) << c.what;
        // The settings file gives its values without the blanks around them.
        EXPECT_EQ(frm->Browser_Address1, c.shows1 ? c.first.trimmed() : QString()) << c.what;
        EXPECT_EQ(frm->Browser_Address2, c.shows2 ? c.second.trimmed() : QString()) << c.what;
        // The picture is made from the program's icon and kept for the next start.
        EXPECT_EQ(QFile::exists(dir() + "browser1.bmp"), c.shows1) << c.what;
        EXPECT_EQ(QFile::exists(dir() + "browser2.bmp"), c.shows2) << c.what;
        if (c.shows1) {
            EXPECT_FALSE(frm->Browser_Btn1->icon().isNull()) << c.what;
            EXPECT_EQ(frm->Browser_Btn1->text(), "") << c.what;
        }
        if (c.shows2) {
            EXPECT_FALSE(frm->Browser_Btn2->icon().isNull()) << c.what;
            EXPECT_EQ(frm->Browser_Btn2->text(), c.caption2) << c.what;
        }
        TearDown();
    }
}

TEST_F(BrowsersTest, ThePageReachesTheBrowserWholeAsItsOnlyArgument) {
    SKIP_WITHOUT_SHELL();
    const QString browser = fakeBrowser();
    const QString named = file("my \"page\"; $(touch pwned) 'x' *.htm", "<HTML>on disk</HTML>\r\n");
    struct Case {
        const char* what;
        int slot;
        bool named, changed;
        QString argument; // empty: the browser gets none
        QByteArray seen;  // what the file held when the browser started
    } cases[] = {
        {"untitled, unchanged: no document", 1, false, false, QString(), ""},
        {"named, unchanged: the file on disk", 2, true, false, named, "<HTML>on disk</HTML>\r\n"},
        {"named, changed: saved first", 1, true, true, named, "<!--new--><HTML>on disk</HTML>\r\n"},
        {"untitled, changed: the temporary page", 2, false, true, dir() + "TempFile.htm", ""},
    };
    for (const auto& c : cases) {
        QFile::remove(tmp.file("seen.txt"));
        QFile::remove(dir() + "TempFile.htm");
        tmp.write(QFileInfo(named).fileName(), "<HTML>on disk</HTML>\r\n");
        startWithBrowsers(browser + " ", browser, c.named ? QStringList{named} : QStringList{});
        if (c.changed) {
            memo().setSelStart(0);
            memo().setSelText("<!--new-->");
        }
        const QString textBefore = memo().Text();
        (c.slot == 1 ? frm->BrowserNo11 : frm->BrowserNo21)->trigger();

        const QByteArray expected = c.argument.isEmpty() ? QByteArray("0\n") : "1\n" + c.argument.toUtf8() + "\n";
        EXPECT_EQ(waitForRecord(), expected) << c.what;
        if (!c.seen.isEmpty()) {
            EXPECT_EQ(tmp.read("seen.txt"), c.seen) << c.what;
        }
        EXPECT_TRUE(prompter->messages.empty()) << c.what;
        EXPECT_TRUE(prompter->fileDialogs.empty()) << c.what;
        if (!c.named && c.changed) {
            // The page stays untitled and changed; the temporary page holds its text.
            EXPECT_EQ(tmp.read("TempFile.htm"), textBefore.toUtf8()) << c.what;
            EXPECT_TRUE(memo().Modified());
            EXPECT_TRUE(frm->ActiveDocument()->FileName.isEmpty());
            EXPECT_EQ(frm->ActiveDocument()->caption(), "<Untitled>");
        } else {
            EXPECT_FALSE(QFile::exists(dir() + "TempFile.htm")) << c.what;
            EXPECT_FALSE(memo().Modified()) << c.what;
        }
        EXPECT_EQ(memo().Text(), textBefore) << c.what;
        TearDown();
    }
    EXPECT_FALSE(QFile::exists(tmp.file("pwned")));
}

TEST_F(BrowsersTest, AFailedSaveKeepsThePageChangedAndTheBrowserUnstarted) {
    SKIP_WITHOUT_SHELL();
    QDir(tmp.path()).mkdir("sub");
    const QString page = file("sub/page.htm", "old\r\n");
    startWithBrowsers(fakeBrowser(), QString(), {page});
    QDir(tmp.file("sub")).removeRecursively();
    memo().setSelText("new ");
    frm->Browser_Btn1->click();
    EXPECT_EQ(
        prompter->messageTexts(),
        QStringList({page + " has been deleted outside Zorvel. Your text is kept: save it to write the file again.",
                     "Exception error in Save1Click ..\r\nCannot write " + page + ": No such file or directory"}));
    EXPECT_TRUE(memo().Modified());
    EXPECT_EQ(waitForRecord(1500), QByteArray());
}

TEST_F(BrowsersTest, AMissingProgramStartsNothingButTheSecondStillWritesThePage) {
    SKIP_WITHOUT_SHELL();
    const QString first = fakeBrowser("first");
    const QString second = fakeBrowser("second");
    startWithBrowsers(first, second);
    ASSERT_TRUE(frm->Browser_Btn1->isVisible() && frm->Browser_Btn2->isVisible());
    QFile::remove(first);
    QFile::remove(second);
    memo().setSelText("changed");
    frm->Browser_Btn1Click();
    EXPECT_FALSE(QFile::exists(dir() + "TempFile.htm"));
    frm->Browser_Btn2Click();
    EXPECT_TRUE(QFile::exists(dir() + "TempFile.htm"));
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_TRUE(memo().Modified());

    // Without a document neither does anything.
    memo().setModified(false);
    frm->CloseAll1Click();
    ASSERT_EQ(frm->DocumentCount(), 0);
    QFile::remove(dir() + "TempFile.htm");
    frm->Browser_Btn2Click();
    EXPECT_FALSE(QFile::exists(dir() + "TempFile.htm"));
}

TEST_F(BrowsersTest, AGlyphDeletedWhileTheProgramIsClosedIsMadeAgain) {
    const QString web = fakeBrowser();
    startWithBrowsers(web, QString());
    TearDown();
    ASSERT_TRUE(QFile::exists(dir() + "browser1.bmp"));
    QFile::remove(dir() + "browser1.bmp");
    startWithBrowsers(web, QString());
    EXPECT_TRUE(QFile::exists(dir() + "browser1.bmp"));
    EXPECT_FALSE(frm->Browser_Btn1->icon().isNull());
}
