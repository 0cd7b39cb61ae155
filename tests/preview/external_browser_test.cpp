#include "external_browser.h"
#include "temp_dir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

TEST(BrowserCaption, KnownBrowsersByFileNameWithoutCase) {
    struct Case {
        const char* path;
        Platform platform;
        const char* caption;
    } cases[] = {
        {"C:\\Program Files\\Plus!\\IEXPLORE.EXE", Platform::Windows, "Explorer"},
        {"c:\\netscape\\program\\Netscape.exe", Platform::Windows, "Netscape"},
        {"D:iexplore.exe", Platform::Windows, "Explorer"},
        {"/opt/ie/IExplore.Exe", Platform::Posix, "Explorer"},
        {"/usr/bin/firefox", Platform::Posix, ""},
        {"C:\\iexplore.exe\\mosaic.exe", Platform::Windows, ""},
        {"C:\\web\\iexplore.exe.bak", Platform::Windows, ""},
        {"C:\\web\\iexplore.exe", Platform::Posix, ""}, // the backslash is part of the name there
    };
    for (const auto& c : cases)
        EXPECT_EQ(browserCaption(QString::fromLatin1(c.path), c.platform), QString::fromLatin1(c.caption)) << c.path;
}

TEST(BrowserPreview, WhatTheCommandDoesForEachDocumentState) {
    const QString dir = QStringLiteral("/prog/");
    struct Case {
        const char* what;
        int slot;
        const char* label;
        bool browserExists, documentOpen;
        const char* fileName;
        bool modified;
        BrowserPreviewAction action;
        const char* browser;
        const char* document;
    } cases[] = {
        {"untitled, unchanged: no document argument", 1, "/usr/bin/web", true, true, "", false,
         BrowserPreviewAction::Launch, "/usr/bin/web", ""},
        {"named, unchanged: the file on disk", 1, "/usr/bin/web", true, true, "/d/a b.htm", false,
         BrowserPreviewAction::Launch, "/usr/bin/web", "/d/a b.htm"},
        {"named, changed: saved first", 1, "/usr/bin/web", true, true, "/d/a.htm", true,
         BrowserPreviewAction::SaveThenLaunch, "/usr/bin/web", "/d/a.htm"},
        {"untitled, changed: the temporary page", 2, "/usr/bin/web", true, true, "", true,
         BrowserPreviewAction::WriteTempThenLaunch, "/usr/bin/web", "/prog/TempFile.htm"},
        {"label blanks trimmed", 1, "  /usr/bin/web ", true, true, "", false, BrowserPreviewAction::Launch,
         "/usr/bin/web", ""},
        {"no browser set", 1, "", true, true, "/d/a.htm", false, BrowserPreviewAction::Nothing, "", ""},
        {"label still carries its own name", 1, "Browser_Address1", true, true, "/d/a.htm", false,
         BrowserPreviewAction::Nothing, "", ""},
        {"the other slot's label name is a path like any", 2, "Browser_Address1", false, true, "/d/a.htm", false,
         BrowserPreviewAction::Launch, "Browser_Address1", "/d/a.htm"},
        {"slot 2 label name", 2, "Browser_Address2", true, true, "/d/a.htm", false, BrowserPreviewAction::Nothing, "",
         ""},
        {"slot 1 program missing", 1, "/gone/web", false, true, "/d/a.htm", true, BrowserPreviewAction::Nothing, "",
         ""},
        {"slot 2 program missing: still saved, the start then fails", 2, "/gone/web", false, true, "/d/a.htm", true,
         BrowserPreviewAction::SaveThenLaunch, "/gone/web", "/d/a.htm"},
        {"no document", 1, "/usr/bin/web", true, false, "", false, BrowserPreviewAction::Nothing, "", ""},
    };
    for (const auto& c : cases) {
        BrowserPreviewInput in;
        in.slot = c.slot;
        in.labelText = QString::fromLatin1(c.label);
        in.browserExists = c.browserExists;
        in.documentOpen = c.documentOpen;
        in.documentFileName = QString::fromLatin1(c.fileName);
        in.modified = c.modified;
        in.programDir = dir;
        const BrowserPreviewPlan plan = planBrowserPreview(in);
        EXPECT_EQ(plan.action, c.action) << c.what;
        if (plan.action == BrowserPreviewAction::Nothing)
            continue;
        EXPECT_EQ(plan.browserPath, QString::fromLatin1(c.browser)) << c.what;
        EXPECT_EQ(plan.documentFile, QString::fromLatin1(c.document)) << c.what;
    }
}

// A fake browser: writes their count and its arguments, one per line, and what the
// document held when it started, then renames the record into place so the test
// never reads half of it.
static QString writeFakeBrowser(const TempDir& tmp) {
    const QString script = tmp.file(QStringLiteral("fake browser"));
    const QByteArray record = tmp.file(QStringLiteral("args.txt")).toUtf8();
    const QByteArray seen = tmp.file(QStringLiteral("seen.txt")).toUtf8();
    tmp.write(QStringLiteral("fake browser"), "#!/bin/sh\n"
                                              "if [ -f \"$1\" ]; then cat \"$1\" > '" +
                                                  seen +
                                                  "'; fi\n"
                                                  "printf '%s\\n' \"$#\" \"$@\" > '" +
                                                  record +
                                                  ".part'\n"
                                                  "mv '" +
                                                  record + ".part' '" + record + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

static QByteArray waitForRecord(const TempDir& tmp) {
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(tmp.file(QStringLiteral("args.txt"))) && clock.elapsed() < 20000)
        QThread::msleep(20);
    return tmp.read(QStringLiteral("args.txt"));
}

TEST(LaunchBrowser, TheDocumentReachesTheBrowserWholeAsItsOnlyArgument) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the fake browser is a shell script";
#endif
    TempDir tmp;
    const QString browser = writeFakeBrowser(tmp);
    const QString document = tmp.file(QStringLiteral("my \"page\"; $(touch pwned) 'x' *.htm"));
    ASSERT_TRUE(launchBrowser(browser, document));
    EXPECT_EQ(QString::fromUtf8(waitForRecord(tmp)), QStringLiteral("1\n") + document + QStringLiteral("\n"));
    EXPECT_FALSE(QFile::exists(tmp.file(QStringLiteral("pwned"))));
}

TEST(LaunchBrowser, NoDocumentMeansNoArgumentAndAMissingProgramFailsQuietly) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the fake browser is a shell script";
#endif
    TempDir tmp;
    ASSERT_TRUE(launchBrowser(writeFakeBrowser(tmp), QString()));
    EXPECT_EQ(waitForRecord(tmp), QByteArray("0\n"));
    EXPECT_FALSE(launchBrowser(tmp.file(QStringLiteral("no such browser")), QStringLiteral("/x.htm")));
    EXPECT_FALSE(launchBrowser(QString(), QStringLiteral("/x.htm")));
}

TEST(BrowserPreview, AChangedNamedPageIsSavedBeforeTheBrowserStarts) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the fake browser is a shell script";
#endif
    TempDir tmp;
    const QString page = tmp.write(QStringLiteral("page one.htm"), "old text");
    BrowserPreviewInput in{
        1, writeFakeBrowser(tmp) + QStringLiteral(" "), true, true, page, true, tmp.path() + QLatin1Char('/')};
    int saves = 0;
    BrowserPreviewDocument doc;
    doc.save = [&] {
        ++saves;
        tmp.write(QStringLiteral("page one.htm"), "new text");
        return true;
    };
    doc.text = [] { return QStringLiteral("never asked for"); };
    ASSERT_TRUE(carryOutBrowserPreview(planBrowserPreview(in), doc));
    EXPECT_EQ(waitForRecord(tmp), "1\n" + page.toUtf8() + "\n");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(tmp.read(QStringLiteral("seen.txt")), QByteArray("new text"));
    EXPECT_FALSE(QFile::exists(tmp.file(QStringLiteral("TempFile.htm"))));
}

TEST(BrowserPreview, AChangedUntitledPageGoesToTheTemporaryPage) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the fake browser is a shell script";
#endif
    TempDir tmp;
    tmp.write(QStringLiteral("TempFile.htm"), "an earlier preview, longer than this one");
    BrowserPreviewInput in{2, writeFakeBrowser(tmp), true, true, QString(), true, tmp.path() + QLatin1Char('/')};
    BrowserPreviewDocument doc;
    doc.save = [] {
        ADD_FAILURE() << "an untitled page is not saved";
        return false;
    };
    doc.text = [] { return QStringLiteral("<HTML>\n\u00e9t\u00e9\n</HTML>"); };
    doc.encoding = TextEncoding::Latin1;
    ASSERT_TRUE(carryOutBrowserPreview(planBrowserPreview(in), doc));
    const QString temp = tmp.file(QStringLiteral("TempFile.htm"));
    EXPECT_EQ(waitForRecord(tmp), "1\n" + temp.toUtf8() + "\n");
    EXPECT_EQ(tmp.read(QStringLiteral("TempFile.htm")), QByteArray("<HTML>\r\n\xe9t\xe9\r\n</HTML>\r\n"));
}

TEST(BrowserFiles, GlyphAndTemporaryPageLiveInTheProgramDirectory) {
    EXPECT_EQ(browserGlyphPath(QStringLiteral("/p/"), 1), QStringLiteral("/p/browser1.bmp"));
    EXPECT_EQ(browserGlyphPath(QStringLiteral("C:\\P\\"), 2), QStringLiteral("C:\\P\\browser2.bmp"));
    EXPECT_EQ(tempPreviewPath(QStringLiteral("/p/")), QStringLiteral("/p/TempFile.htm"));
    EXPECT_EQ(trimBlanks(QStringLiteral(" \t a b \r\n")), QStringLiteral("a b"));
}
