// Start-up: the command line decides the mode before any application object
// exists; the editor then shows its splash window, the main window and runs
// the event loop, while the other modes run without a display.
#include "app_messages.h"
#include "command_line.h"
#include "main_headless.h"
#include "mainu1.h"
#include "termination_signals.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The editor writes its settings: the folder is made when it is not there yet.
QString chooseProgramDir() {
    const QString dir = zorvel::findProgramDir();
    QDir().mkpath(dir);
    return dir;
}

// Borderless, centred, shown for a moment while the main window is made.
void showSplash() {
    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(&splash);
    auto* picture = new QLabel(&splash);
    picture->setPixmap(QIcon(QStringLiteral(":/zorvel/zorvel.svg")).pixmap(96, 96));
    picture->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("Zorvel"), &splash);
    name->setAlignment(Qt::AlignCenter);
    name->setStyleSheet(QStringLiteral("font: bold 28pt 'Arial'; color: #1f4e8c;"));
    auto* line = new QLabel(QStringLiteral("for Windows 95"), &splash);
    line->setAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("font: 12pt 'Arial';"));
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->addWidget(line);
    splash.setStyleSheet(QStringLiteral("background: #fffbe6;"));
    splash.resize(320, 220);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash.move(screen->geometry().center() - splash.rect().center());
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() <= 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The program's name and Qt's own options only: the rest is already parsed,
// and a file name that looks like one of Qt's options must not reach it.
struct ToolkitArgv {
    explicit ToolkitArgv(const char* program, const QStringList& toolkitArguments) {
        bytes << QByteArray(program);
        for (const QString& a : toolkitArguments)
            bytes << a.toLocal8Bit();
        for (QByteArray& b : bytes)
            pointers.push_back(b.data());
        pointers.push_back(nullptr);
        argc = int(bytes.size());
    }
    QByteArrayList bytes;
    std::vector<char*> pointers;
    int argc = 0;
};

int runEditor(const zorvel::CommandLine& command, int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvel"));
    QApplication::setApplicationVersion(zorvel::versionNumber());
    QApplication::setApplicationDisplayName(QLatin1String(zorvel::kApplicationTitle));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zorvel/zorvel.svg")));

    showSplash();

    zorvel::MainEnvironment env;
    env.programDir = chooseProgramDir();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        env.screenSize = primary->geometry().size();
        env.screens.push_back(primary->availableGeometry());
        for (QScreen* screen : QGuiApplication::screens())
            if (screen != primary)
                env.screens.push_back(screen->availableGeometry());
    }
    if (!command.file.isEmpty())
        env.arguments << command.file;
    env.recoveryDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    zorvel::TMainFrm window(std::move(env));
    zorvel::watchTerminationSignals(&window, [&window] { window.terminate(); });
    window.show();
    return QApplication::exec();
}

// True when the whole text reached the stream: a help sent into a full disk
// or a closed pipe must not end with status 0.
bool print(FILE* stream, const QString& text) {
    errno = 0;
    const bool written = std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
    return written && !std::ferror(stream);
}

// Help and version go to standard output; when they cannot, standard error
// says why and the status says it failed.
int printOrFail(const QString& text) {
    if (print(stdout, text))
        return 0;
    const int error = errno;
    print(stderr, QStringLiteral("zorvel: Cannot write to standard output: %1\n")
                      .arg(QString::fromLocal8Bit(std::strerror(error ? error : EIO))));
    return 1;
}

// Qt would abort with a core dump when it finds no display for the default
// platform; a named platform is left for Qt to judge.
bool noDisplayForTheEditor(const zorvel::CommandLine& command) {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           !command.toolkitArguments.contains(QLatin1String("-platform")) && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zorvel::CommandLine command = zorvel::parseCommandLine(arguments);
    // Qt picks its platform when the application object is made: the modes
    // without a window must never go looking for a display.
    if (!zorvel::needsDisplay(command.mode) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ToolkitArgv toolkit(argc > 0 ? argv[0] : "zorvel", command.toolkitArguments);
    switch (command.mode) {
    case zorvel::RunMode::Help:
        return printOrFail(zorvel::helpText());
    case zorvel::RunMode::Version:
        return printOrFail(zorvel::versionText());
    case zorvel::RunMode::UsageError:
        print(stderr, QStringLiteral("zorvel: ") + command.error + QLatin1Char('\n') + zorvel::usageText());
        return 2;
    case zorvel::RunMode::Editor:
        if (noDisplayForTheEditor(command)) {
            print(stderr, QStringLiteral("zorvel: No display for the editor's window (DISPLAY is not set); "
                                         "--dump, --render and --print-pdf need none.\n"));
            return 1;
        }
        return runEditor(command, toolkit.argc, toolkit.pointers.data());
    default:
        return zorvel::runHeadless(command, toolkit.argc, toolkit.pointers.data());
    }
}
