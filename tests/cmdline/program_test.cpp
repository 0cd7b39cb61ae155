// The built program run as a user runs it, where there is no display.
#include "command_line.h"
#include "full_disk.h"
#include "pdf_text.h"
#include "temp_dir.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStyle>
#include <gtest/gtest.h>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

const QString kProgram = QStringLiteral(ZORVEL_PROGRAM);
const QString kTour = QStringLiteral(ZORVEL_EXAMPLES_DIR "/tour.htm");

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    // Without one Qt warns on standard error, which the tests read.
    static const TempDir runtime;
    if (!env.contains("XDG_RUNTIME_DIR"))
        env.insert("XDG_RUNTIME_DIR", runtime.path());
    return env;
}

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome run(const QStringList& args, const QString& workDir = QString(),
            const QProcessEnvironment& env = withoutDisplay(), const QString& program = kProgram) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(Program, HelpAndVersionNeedNoDisplay) {
    Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, helpText());
    EXPECT_EQ(r.err, "");
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, versionText());
}

TEST(Program, HelpOrVersionThatCannotBeWrittenFails) {
    for (const char* mode : {"--help", "--version"}) {
        QProcess p;
        p.setProcessEnvironment(withoutDisplay());
        p.setStandardOutputFile("/dev/full");
        p.start(kProgram, {mode});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 1) << mode;
        EXPECT_EQ(p.readAllStandardError().toStdString(),
                  "zorvel: Cannot write to standard output: No space left on device\n")
            << mode;
    }
}

TEST(Program, AUsageErrorIsOneLineAndTheUsageOnStandardErrorWithStatusTwo) {
    const Outcome r = run({"--frob", "page.htm"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "zorvel: Unknown option 'frob'.\n" + usageText());
}

TEST(Program, TheEditorWithNoDisplaySaysSoInsteadOfAborting) {
    const Outcome r = run({"page.htm"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("zorvel: No display for the editor's window")) << r.err.toStdString();
}

TEST(Program, TheModesWithoutAWindowTakeNamesStartingWithADashAfterTheMark) {
    TempDir tmp;
    ASSERT_TRUE(QFile::copy(kTour, tmp.file("-tour.htm")));
    Outcome r = run({"--dump", "--", "-tour.htm"}, tmp.path());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Marta's Garden Notes"));

    r = run({"--render", "--width", "400", "--", "-tour.htm", "-tour.png"}, tmp.path());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    // The page fits the view: the control's width less its scroll bar.
    EXPECT_EQ(QImage(tmp.file("-tour.png")).width(),
              400 - QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    r = run({"--print-pdf", "--pages", "1", "--", "-tour.htm", "-tour.pdf"}, tmp.path());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pdfPages(tmp.file("-tour.pdf")), 1);
}

// The editor needs a window, here on the offscreen platform. The program is
// copied so that the settings it keeps beside itself, and everything under the
// home directory, stay in the test's folder.
TEST(Program, TheEditorStartsWithAFileNamedAfterTheMark) {
    TempDir tmp;
    const QString program = tmp.file("zorvel");
    ASSERT_TRUE(QFile::copy(kProgram, program));
    ASSERT_TRUE(QFile::copy(kTour, tmp.file("-tour.htm")));
    QProcessEnvironment env = withoutDisplay();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(name), tmp.path());
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(tmp.path());
    p.start(program, {"--", "-tour.htm"});
    ASSERT_TRUE(p.waitForStarted());
    // Past the splash window and into the event loop: a usage error would have ended it at once.
    EXPECT_FALSE(p.waitForFinished(4000)) << p.readAllStandardError().toStdString();
    p.kill();
    p.waitForFinished();
}

// A page of several A4 sheets: its PDF and its picture take far more than 64 KB.
QByteArray longPage() {
    QByteArray html = "<TITLE>Long</TITLE>";
    for (int i = 1; i <= 1500; ++i)
        html += "<P>Paragraph " + QByteArray::number(i) + " has a few words of its own.";
    return html;
}

// 0 when the output was written, a table too wide only a warning, said once;
// 1 when the page could not be read or the file not written; 2 for usage.
TEST(Program, TheModesWithoutAWindowExitWithTheirOutcome) {
    TempDir tmp;
    const QString page = tmp.write("page.htm", "<P>plain");
    QByteArray wide = "<TABLE><TR>";
    for (int i = 0; i < 31; ++i)
        wide += "<TD>c" + QByteArray::number(i);
    const QString wideTable = tmp.write("wide.htm", wide + "</TABLE><P>after the table");
    const QString open = tmp.write("open.htm", "<P>kept<!-- never closed");
    const QString png = tmp.file("out.png"), pdf = tmp.file("out.pdf"), absent = tmp.file("absent.htm");
    const QString tooWide = "Table has too many Columns\n";
    const QString fullDevice = "Cannot write /dev/full: No space left on device\n";
    const struct {
        QStringList args;
        int status;
        QString err;
    } cases[] = {
        {{"--dump", page}, 0, ""},
        {{"--dump", wideTable, "--width", "600"}, 0, tooWide},
        {{"--render", wideTable, png}, 0, tooWide},
        {{"--print-pdf", wideTable, pdf}, 0, tooWide},
        {{"--dump", open}, 1, "Open Comment at End of HTML File\n"},
        {{"--render", absent, png}, 1, "Can't locate file: " + absent + "\n"},
        {{"--print-pdf", absent, pdf}, 1, "Can't locate file: " + absent + "\n"},
        {{"--render", page, "/dev/full"}, 1, fullDevice},
        {{"--print-pdf", page, "/dev/full"}, 1, fullDevice},
        {{"--render", page}, 2, "zorvel: Missing OUT.png after --render.\n" + usageText()},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString()) << c.args.join(' ').toStdString();
    }
    EXPECT_EQ(pdfText(pdf).count("after the table"), 1);
    EXPECT_FALSE(QImage(png).isNull());
}

// On a full disk the new file cannot be written: the old one stays as it was.
TEST(Program, AFileThatCannotBeWrittenLeavesTheOldOneWhole) {
    TempDir tmp;
    const QString small = tmp.write("small.htm", "<P>The old page."), big = tmp.write("long.htm", longPage());
    for (const char* mode : {"--print-pdf", "--render"}) {
        FullDisk disk;
        if (!disk.mounted())
            GTEST_SKIP() << "mounting a small tmpfs needs root";
        const QString old = disk.file(mode == QLatin1String("--render") ? "old.png" : "old.pdf");
        ASSERT_EQ(run({mode, small, old}).status, 0) << mode;
        const QByteArray before = disk.read(QFileInfo(old).fileName());
        ASSERT_FALSE(before.isEmpty());
        const Outcome r = run({mode, big, old});
        EXPECT_EQ(r.status, 1) << mode;
        EXPECT_EQ(r.err.toStdString(), ("Cannot write " + old + ": No space left on device\n").toStdString()) << mode;
        EXPECT_EQ(disk.read(QFileInfo(old).fileName()), before) << mode;
        EXPECT_EQ(QDir(QFileInfo(old).path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "nothing left behind";
    }
}

// The page looks as the preview shows it: the font and pictures of the
// settings file beside the program, which is only read, never written.
TEST(Program, TheModesWithoutAWindowFollowThePreviewSettings) {
    TempDir tmp;
    ASSERT_TRUE(QDir().mkpath(tmp.file("bin")));
    const QString program = tmp.file("bin/zorvel"), ini = tmp.file("bin/zor-vel.ini");
    ASSERT_TRUE(QFile::copy(kProgram, program));
    QProcessEnvironment env = withoutDisplay();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QLatin1String(name), tmp.file("home"));
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(tmp.file("red.png")));
    const QString page = tmp.write("page.htm", "<P>Words beside a picture <IMG SRC=\"red.png\">");
    struct Look {
        QString face;  // the page's font as the dump names it
        int height;    // its first line's height
        QString fonts; // the PDF's fonts
        bool picture;  // the picture's own pixels are shown
    };
    const auto look = [&] {
        Look l;
        const Outcome dump = run({"--dump", page, "--width", "500"}, QString(), env, program);
        EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
        l.face = dump.out.section("face=", 1).section(" size", 0, 0);
        l.height = dump.out.section("line top=", 1).section("height=", 1).section(' ', 0, 0).toInt();
        EXPECT_EQ(run({"--render", page, tmp.file("page.png")}, QString(), env, program).status, 0);
        const QImage shown = QImage(tmp.file("page.png")).convertToFormat(QImage::Format_RGB32);
        l.picture = false;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                l.picture = l.picture || shown.pixelColor(x, y) == Qt::red;
        EXPECT_EQ(run({"--print-pdf", page, tmp.file("page.pdf")}, QString(), env, program).status, 0);
        l.fonts = runTool("pdffonts", {tmp.file("page.pdf")});
        return l;
    };

    Look l = look();
    EXPECT_EQ(l.face.toStdString(), "\"Arial\"");
    const int height = l.height;
    EXPECT_TRUE(l.fonts.contains("Sans") && !l.fonts.contains("Serif")) << l.fonts.toStdString();
    EXPECT_TRUE(l.picture);
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_FALSE(QFile::exists(tmp.file("home/zorvel"))) << "nothing is created";

    const QByteArray settings =
        "[Options]\r\nPreview_Font_Name=Courier New\r\nPreview_Font_Size=24\r\nShow_Graphics=0\r\n";
    tmp.write("bin/zor-vel.ini", settings);
    const QDateTime written = QFileInfo(ini).lastModified();
    l = look();
    EXPECT_EQ(l.face.toStdString(), "\"Courier New\"");
    EXPECT_GT(l.height, height * 3 / 2) << "24 points against 12";
    EXPECT_TRUE(l.fonts.contains("Mono")) << l.fonts.toStdString();
    EXPECT_FALSE(l.picture);
    EXPECT_EQ(tmp.read("bin/zor-vel.ini"), settings);
    EXPECT_EQ(QFileInfo(ini).lastModified(), written);
}

} // namespace
