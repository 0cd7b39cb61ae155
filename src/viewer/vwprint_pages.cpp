// Printing a laid-out page: where the pages break, and the job that draws them.
#include "vwprint.h"

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

void printPages(TSectionList& copy, TvwPrinter& printer, int firstPage, int lastPage, int screenDpi) {
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
    const std::vector<PrintPage> pages = paginate(copy, pageHeight, lastPage);
    // Pages before the first were laid out only to find where the first begins.
    for (int i = std::max(firstPage, 1); i <= int(pages.size()); ++i) {
        const PrintPage& page = pages[std::size_t(i - 1)];
        if (i > std::max(firstPage, 1))
            printer.NewPage();
        copy.PrintClipping = page.clipLines;
        const int height = page.bottom - page.top;
        printer.SetMapping(screenDpi, QPoint(0, page.top),
                           QRect(0, page.top, textWidth + 2 * kSideMargin, height));
        copy.Draw(printer.Canvas(), QRect(kSideMargin, page.top, textWidth - kSideMargin, height), textWidth,
                  kSideMargin, 0);
    }
}

} // namespace

std::optional<int> pageBreakAt(const TSectionList& document, int y) {
    int top = 0, index = 0;
    const TSectionBase* section = document.FindSectionAtPosition(y, top, index);
    if (!section)
        return std::nullopt;
    if (const auto* text = dynamic_cast<const TSection*>(section)) {
        int lineTop = top;
        for (const auto& line : text->LineRecs) {
            const int next = lineTop + TSection::LineSpan(*line);
            if (y < next)
                return lineTop;
            lineTop = next;
        }
    }
    return y;
}

std::vector<PrintPage> paginate(const TSectionList& document, int pageHeight, int lastPage) {
    std::vector<PrintPage> pages;
    bool clipLines = false;
    int y = 0;
    for (int i = 1; i <= lastPage; ++i) {
        PrintPage page{y, y + pageHeight, clipLines};
        const std::optional<int> end = pageBreakAt(document, y + pageHeight);
        if (end) {
            // A line that began on this page and is taller than it is cut,
            // else the page ends where the line it would cut begins.
            clipLines = *end > y;
            if (clipLines)
                page.bottom = *end;
            page.clipLines = clipLines;
        }
        pages.push_back(page);
        if (!end)
            break; // the document ends on this page
        y = page.bottom;
    }
    return pages;
}

void PrintDocument(const TSectionList& document, PrintDevice& device, int firstPage, int lastPage, int screenDpi,
                   const QString& title) {
    std::unique_ptr<TSectionList> copy = printCopy(document);
    TvwPrinter printer(device);
    printer.Title = title;
    TvwPrinter* previous = vwSetPrinter(&printer);
    std::exception_ptr failure;
    try {
        printer.BeginDoc();
        printPages(*copy, printer, firstPage, lastPage, screenDpi);
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
