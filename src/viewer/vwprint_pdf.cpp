#include "vwprint_pdf.h"

#include "htmlview.h"
#include "print_error.h"
#include "vwprint.h"

#include <QPageSize>
#include <QPrinter>

namespace zorvel {

int runPrintPdf(const QString& pagePath, const QString& pdfPath, int firstPage, int lastPage, QTextStream& err) {
    int status = 0;
    THTMLViewer viewer;
    viewer.setViewImages(true);
    try {
        viewer.LoadFromFile(pagePath);
    } catch (const EParseError& e) {
        err << e.what() << '\n'; // what was parsed is printed all the same
        status = 1;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        err.flush();
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    try {
        viewer.Print(firstPage, lastPage, printer);
    } catch (const EPageRangeError& e) {
        err << e.what() << '\n'; // a range past the end is a usage error: nothing is written
        status = 2;
    } catch (const PrintError& e) {
        err << e.userText().replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace zorvel
