// The viewer control's printing of the page it shows.
#include "htmlview.h"

#include "vwprint_qt.h"

#include <QFileInfo>

namespace zorvel {

void THTMLViewer::Print(int FirstPage, int LastPage, QPrinter& printer, const PrintProgress& progress) {
    if (loading_)
        return;
    // The job carries a name the user can tell apart in the print queue.
    QString title = strings_.Title.trimmed();
    if (title.isEmpty())
        title = QFileInfo(currentFile_).fileName();
    if (title.isEmpty())
        title = QStringLiteral("Zorvel");
    QPrinterDevice device(printer);
    PrintDocument(document_, device, FirstPage, LastPage, screenFontDpi(), title, progress);
}

} // namespace zorvel
