// The viewer's printer object: its three states, its errors, and which
// printer is the current one.
#include "print/printing.h"

namespace zorvel {

namespace {
TvwPrinter* currentPrinter = nullptr;
} // namespace

TvwPrinter* vwPrinter() {
    return currentPrinter;
}

TvwPrinter* vwSetPrinter(TvwPrinter* printer) {
    TvwPrinter* previous = currentPrinter;
    currentPrinter = printer;
    return previous;
}

EPageRangeError::EPageRangeError(int firstPage, int pageCount)
    : EPrinterError(QStringLiteral("Page %1 is past the end: the document has %2 %3")
                        .arg(firstPage)
                        .arg(pageCount)
                        .arg(pageCount == 1 ? QStringLiteral("page") : QStringLiteral("pages"))),
      pageCount_(pageCount) {}

TvwPrinter::~TvwPrinter() {
    if (Printing())
        device_.endJob();
    if (currentPrinter == this)
        currentPrinter = nullptr;
}

void TvwPrinter::needInformation() {
    if (state_ != State::None)
        return;
    if (!device_.openInformation())
        throw EPrinterError(QLatin1String(kPrinterNotValid), device_.failureReason());
    state_ = State::Information;
}

void TvwPrinter::requirePrinting() const {
    if (!Printing())
        throw EPrinterError(QLatin1String(kNotPrinting));
}

void TvwPrinter::BeginDoc() {
    if (Printing())
        throw EPrinterError(QLatin1String(kPrintingInProgress));
    // The information context gives way to the printing one.
    state_ = State::None;
    if (!device_.beginJob(Title))
        throw EPrinterError(QLatin1String(kPrinterNotValid), device_.failureReason());
    state_ = State::Printing;
    aborted_ = false;
    pageNumber_ = 1;
}

void TvwPrinter::NewPage() {
    requirePrinting();
    if (!device_.newPage())
        throw EPrinterError(QLatin1String(kPrinterNotValid), device_.failureReason());
    ++pageNumber_;
}

void TvwPrinter::EndDoc() {
    requirePrinting();
    state_ = State::None;
    pageNumber_ = 0;
    if (!device_.endJob())
        throw EPrinterError(QLatin1String(kPrinterNotValid), device_.failureReason());
}

void TvwPrinter::Abort() {
    requirePrinting();
    state_ = State::None;
    aborted_ = true;
    pageNumber_ = 0;
    device_.abortJob();
}

zorvel::Canvas& TvwPrinter::Canvas() {
    requirePrinting();
    return device_.canvas();
}

int TvwPrinter::PageWidth() {
    needInformation();
    return device_.pageSize().width();
}

int TvwPrinter::PageHeight() {
    needInformation();
    return device_.pageSize().height();
}

QSize TvwPrinter::PixelsPerInch() {
    needInformation();
    return device_.resolution();
}

void TvwPrinter::SetMapping(int screenDpi, QPoint windowOrigin, const QRect& clip) {
    requirePrinting();
    device_.setMapping(screenDpi, windowOrigin, clip);
}

} // namespace zorvel
