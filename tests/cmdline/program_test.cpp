// The built program run as a user runs it, where there is no display.
#include "command_line.h"
#include "pdf_text.h"
#include "temp_dir.h"

#include <QApplication>
#include <QFile>
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
    return env;
}

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome run(const QStringList& args, const QString& workDir = QString()) {
    QProcess p;
    p.setProcessEnvironment(withoutDisplay());
    p.setWorkingDirectory(workDir);
    p.start(kProgram, args);
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

} // namespace
