#include "main_headless.h"

#include "control/form_widgets.h"
#include "headless/dump.h"
#include "headless/dump_run.h"
#include "headless/print_pdf.h"
#include "headless/render.h"
#include "paint/document_surface.h"
#include "paint/qt_canvas.h"
#include "path_rules.h"
#include "preview_look.h"
#include "settings_keys.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QTextStream>
#include <QWidget>

namespace zorvel {

QString findProgramDir() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return programDirFor(exeDir, configDir, QFileInfo(exeDir).isWritable());
}

int runHeadless(const CommandLine& command, int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvel"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The page is shown as the preview shows it: its font and pictures come
    // from the settings file, which is only read.
    const PageLook look = previewLook(IniSnapshot(findProgramDir() + kSettingsFileName), desktopLook());
    if (command.mode == RunMode::PrintPdf)
        return runPrintPdf(command.page, command.output, command.firstPage, command.lastPage, err, look);

    // The page is laid out as the viewer lays it out when it is this wide, scroll bar included.
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = command.width.value_or(kDefaultControlWidth);
    if (command.mode == RunMode::Render)
        return runRender(command.page, command.output, RenderOptions{width, scrollBar, look}, err);
    // Without a width, the model alone: the viewer's own defaults, on fixed metrics, the same everywhere.
    if (!command.width)
        return runDump(command.page, out, err);
    QtCanvas canvas;
    QWidget controlHost;
    QtFormControlFactory controls(&controlHost);
    return runDump(command.page, out, err, canvas, layoutWidthForControl(width, scrollBar), look, &controls);
}

} // namespace zorvel
