// `zorvel --print-pdf`: a page printed into a PDF file without a window.
#include "headless/print_pdf.h"

#include "atomic_write.h"
#include "control/form_widgets.h"
#include "paint/document_surface.h"
#include "print/printing.h"
#include "print/qt_printer.h"
#include "print_error.h"
#include "print_to_file.h"

#include <QPageSize>
#include <QPrinter>
#include <QWidget>

namespace zorvel {

namespace {
// The page is laid out once as a preview window of this width shows it, as the
// preview's Print finds it: its form controls get their sizes there.
constexpr int kPreviewTextWidth = 760;
} // namespace

int runPrintPdf(const QString& pagePath, const QString& pdfPath, int firstPage, int lastPage, QTextStream& err,
                const PageLook& look) {
    QtCanvas screen;
    QWidget controlHost;
    QtFormControlFactory controls(&controlHost);
    std::unique_ptr<LoadedPage> page;
    try {
        page = loadPage(pagePath, look, screen, &controls);
    } catch (const EHtmlFileError& e) {
        err << e.text() << '\n';
        err.flush();
        return 1;
    }
    int status = 0;
    if (!page->parseError.isEmpty()) {
        err << page->parseError << '\n'; // what was parsed is printed all the same
        status = 1;
    }
    layoutDocument(page->document, screen, kPreviewTextWidth);
    if (page->document.LayoutError)
        err << *page->document.LayoutError << '\n';

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    try {
        printIntoFile(printer, [&] {
            QPrinterDevice device(printer);
            PrintDocument(page->document, device, firstPage, lastPage, screenFontDpi(),
                          printJobTitle(page->strings.Title, page->file));
        });
    } catch (const EPageRangeError& e) {
        err << e.text() << '\n'; // a range past the end is a usage error: nothing is written
        status = 2;
    } catch (const PrintError& e) {
        err << errorMessage(e, u"\n") << '\n';
        status = 1;
    } catch (const FileWriteError& e) {
        err << e.text() << '\n';
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace zorvel
