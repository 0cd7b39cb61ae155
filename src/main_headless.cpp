#include "main_headless.h"

#include "headless/dump.h"
#include "headless/render.h"
#include "paint/qt_canvas.h"
#include "paint/document_surface.h"
#include "headless/print_pdf.h"

#include <QApplication>
#include <QStyle>
#include <QTextStream>

namespace zorvel {

int runHeadless(const CommandLine& command, int& argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (command.mode == RunMode::PrintPdf)
        return runPrintPdf(command.page, command.output, command.firstPage, command.lastPage, err);

    // The page is laid out as the viewer lays it out when it is this wide, scroll bar included.
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = command.width.value_or(kDefaultControlWidth);
    if (command.mode == RunMode::Render)
        return runRender(command.page, command.output, RenderOptions{width, scrollBar}, err);
    if (!command.width)
        return runDump(command.page, out, err);
    QtCanvas canvas;
    return runDump(command.page, out, err, canvas, layoutWidthForControl(width, scrollBar));
}

} // namespace zorvel
