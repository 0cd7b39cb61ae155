// Start-up: the application title, the splash window, the main window and the
// event loop; `--dump PAGE` prints a page's document model and `--render PAGE
// OUT.png` paints it to a picture instead, with no window.
#include "app_messages.h"
#include "mainu1.h"
#include "termination_signals.h"

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
#include "htmlrender.h"
#include "qt_canvas.h"
#include "viewer_paint.h"
#include "vwprint_pdf.h"

#include <QStyle>
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

#ifdef ZORVEL_HAVE_VIEWER
// `--dump PAGE [--width N]` and `--render PAGE OUT.png [--width N]`, where N
// is the viewer's outer width (800 by default) and the page is laid out as
// the viewer lays it out at that width. Neither needs a display.
int runHeadless(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.first() == QLatin1String("--print-pdf"))
        return zorvel::runPrintPdf(args.mid(1), err);
    const bool render = args.first() == QLatin1String("--render");
    QStringList files;
    int width = 800;
    bool widthGiven = false, ok = true;
    for (int i = 1; i < args.size() && ok; ++i) {
        if (args[i] == QLatin1String("--width") && i + 1 < args.size()) {
            width = args[++i].toInt(&ok);
            ok = ok && width > 0;
            widthGiven = true;
        } else {
            files << args[i];
        }
    }
    if (!ok || files.size() != (render ? 2 : 1)) {
        err << (render ? "usage: zorvel --render PAGE.htm OUT.png [--width N]\n"
                       : "usage: zorvel --dump PAGE.htm [--width N]\n");
        return 2;
    }
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (render)
        return zorvel::runRender(files[0], files[1], zorvel::RenderOptions{width, scrollBar}, err);
    if (!widthGiven)
        return zorvel::runDump(files[0], out, err);
    zorvel::QtCanvas canvas;
    return zorvel::runDump(files[0], out, err, canvas, zorvel::layoutWidthForControl(width, scrollBar));
}
#endif

int main(int argc, char** argv) {
    const QLatin1String mode(argc >= 2 ? argv[1] : "");
    if (mode == QLatin1String("--dump") || mode == QLatin1String("--render") || mode == QLatin1String("--print-pdf")) {
#ifdef ZORVEL_HAVE_VIEWER
        return runHeadless(argc, argv);
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
    env.recoveryDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    zorvel::TMainFrm window(std::move(env));
    zorvel::watchTerminationSignals(&window, [&window] { window.terminate(); });
    window.show();
    return QApplication::exec();
}
