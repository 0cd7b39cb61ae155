// Printing a laid-out page: the job that draws it page by page.
#include "print/printing.h"

#include <exception>

namespace zorvel {

namespace {

// Paper is white and ink is black: the page's colours stay on the screen.
std::unique_ptr<TSectionList> printCopy(const TSectionList& document) {
    std::unique_ptr<TSectionList> copy = document.Clone();
    copy->Printing = true;
    copy->SetBackground(Qt::white);
    return copy;
}

// The left and right margins of the text on the paper, in screen pixels.
constexpr int kSideMargin = 10;

// The document laid out on the paper, and where its pages break.
struct PaperLayout {
    int textWidth = 0;
    int pageHeight = 0;
    std::vector<PrintPage> pages;
};

PaperLayout layOutOnPaper(TSectionList& copy, TvwPrinter& printer, int lastPage, int screenDpi) {
    const QSize dpi = printer.PixelsPerInch();
    if (dpi.width() <= 0 || dpi.height() <= 0)
        throw EPrinterError(QLatin1String(kPrinterNotValid), QStringLiteral("The printer reports no resolution."));
    // One screen pixel prints as large as it shows: the paper measured in screen pixels.
    const int textWidth = mulDiv(printer.PageWidth(), screenDpi, dpi.width()) - 2 * kSideMargin;
    const int pageHeight = mulDiv(printer.PageHeight(), screenDpi, dpi.height());
    if (textWidth <= 0 || pageHeight <= 0)
        throw EPrinterError(QLatin1String(kPrinterNotValid), QStringLiteral("The paper is too small to print on."));
    int scrollWidth = 0, chars = 0;
    copy.DoLogic(*copy.ScreenCanvas, 0, textWidth, scrollWidth, chars);
    return {textWidth, pageHeight, paginate(copy, pageHeight, lastPage)};
}

void printPages(TSectionList& copy, TvwPrinter& printer, const PaperLayout& paper, int firstPage, int lastPage,
                int screenDpi, const PrintProgress& progress) {
    // A line that the page's end would cut is left for the next page; only
    // one taller than a page is printed cut.
    copy.PrintClipping = true;
    lastPage = std::min(lastPage, int(paper.pages.size()));
    const int sheets = lastPage - firstPage + 1;
    // Pages before the first were laid out only to find where the first begins.
    for (int i = firstPage; i <= lastPage; ++i) {
        if (progress && !progress(i - firstPage + 1, sheets)) {
            printer.Abort();
            throw PrintCancelled();
        }
        const PrintPage& page = paper.pages[std::size_t(i - 1)];
        if (i > firstPage)
            printer.NewPage();
        copy.PrintedTo = page.printedTo;
        const int height = page.bottom - page.top;
        printer.SetMapping(screenDpi, QPoint(0, page.top),
                           QRect(0, page.top, paper.textWidth + 2 * kSideMargin, height));
        copy.Draw(printer.Canvas(), QRect(kSideMargin, page.top, paper.textWidth - kSideMargin, height),
                  paper.textWidth, kSideMargin, 0);
    }
}

} // namespace

void PrintDocument(const TSectionList& document, PrintDevice& device, int firstPage, int lastPage, int screenDpi,
                   const QString& title, const PrintProgress& progress) {
    std::unique_ptr<TSectionList> copy = printCopy(document);
    TvwPrinter printer(device);
    printer.Title = title;
    TvwPrinter* previous = vwSetPrinter(&printer);
    std::exception_ptr failure;
    try {
        firstPage = std::max(firstPage, 1);
        const PaperLayout paper = layOutOnPaper(*copy, printer, std::max(firstPage, lastPage), screenDpi);
        // A range past the end is refused before anything is printed.
        if (firstPage > int(paper.pages.size()))
            throw EPageRangeError(firstPage,
                                  int(paginate(*copy, paper.pageHeight, std::numeric_limits<int>::max()).size()));
        printer.BeginDoc();
        printPages(*copy, printer, paper, firstPage, lastPage, screenDpi, progress);
    } catch (...) {
        failure = std::current_exception();
    }
    // Whatever happened, the job ends and the program is no longer printing.
    try {
        if (printer.Printing())
            printer.EndDoc();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    vwSetPrinter(previous);
    copy.reset();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace zorvel
