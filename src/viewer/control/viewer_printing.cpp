// The viewer control's printing of the page it shows.
#include "control/html_viewer.h"

#include "load/page_loader.h"
#include "print/qt_printer.h"

namespace zorvel {

void THTMLViewer::Print(int FirstPage, int LastPage, QPrinter& printer, const PrintProgress& progress) {
    if (loading_)
        return;
    QPrinterDevice device(printer);
    PrintDocument(document_, device, FirstPage, LastPage, screenFontDpi(), printJobTitle(strings_.Title, currentFile_),
                  progress);
}

} // namespace zorvel
