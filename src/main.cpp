// Start-up: the application title, the splash window, the main window and the
// event loop; `--dump PAGE` prints a page's document model instead.
#include "app_messages.h"
#include "mainu1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>

#ifdef ZORVEL_HAVE_VIEWER
#include "htmldump.h"
#endif

namespace {

QString chooseProgramDir() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const bool writable = QFileInfo(exeDir).isWritable();
    if (!writable)
        QDir().mkpath(configDir);
    return zorvel::programDirFor(exeDir, configDir, writable);
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

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && QLatin1String(argv[1]) == QLatin1String("--dump")) {
#ifdef ZORVEL_HAVE_VIEWER
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (argc < 3) {
            err << "usage: zorvel --dump PAGE.htm\n";
            return 2;
        }
        return zorvel::runDump(QString::fromLocal8Bit(argv[2]), out, err);
#else
        return 2;
#endif
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvel"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVEL_VERSION));
    QApplication::setApplicationDisplayName(QLatin1String(zorvel::kApplicationTitle));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zorvel/zorvel.svg")));

    showSplash();

    zorvel::MainEnvironment env;
    env.programDir = chooseProgramDir();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        env.screenSize = screen->geometry().size();
    env.arguments = QCoreApplication::arguments().mid(1);
    zorvel::TMainFrm window(std::move(env));
    window.show();
    return QApplication::exec();
}
