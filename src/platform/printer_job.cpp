#include "printer_job.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <algorithm>

namespace zorvel {

namespace {

bool toFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

// The system's reason a file cannot be written, found by opening it the way
// the PDF writer does, without changing it (and removing it again when the
// attempt created it).
QString writeReason(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    file.close();
    if (!existed)
        QFile::remove(path);
    return QString();
}

} // namespace

void keepMinimumMargins(QPrinter& printer) {
    const QMarginsF now = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF wanted(std::max(now.left(), kMinimumMarginMm), std::max(now.top(), kMinimumMarginMm),
                           std::max(now.right(), kMinimumMarginMm), std::max(now.bottom(), kMinimumMarginMm));
    if (wanted != now)
        printer.setPageMargins(wanted, QPageLayout::Millimeter);
}

PrinterJob::PrinterJob(QPrinter& printer) : printer_(printer) {
    keepMinimumMargins(printer);
}

PrinterJob::~PrinterJob() {
    if (painter_.isActive()) {
        settle();
        painter_.end();
    }
}

void PrinterJob::settle() {
    // Qt's PDF printer keeps the last job's transformation for the next job on
    // the same printer: every job leaves it as it found it.
    painter_.resetTransform();
    painter_.setClipping(false);
}

QString PrinterJob::refusal(const QPrinter& printer) {
    if (toFile(printer) && printer.outputFileName().isEmpty())
        return QStringLiteral("There is no printer to print on, and no file to print to was chosen. "
                              "Choose \"Print to File (PDF)\" and a file name in the print dialog.");
    if (!toFile(printer) && !printer.isValid())
        return QStringLiteral("The printer \"%1\" is not available.").arg(printer.printerName());
    return QString();
}

QString PrinterJob::outputFailure() const {
    if (toFile(printer_)) {
        const QString path = printer_.outputFileName();
        const QString reason = writeReason(path);
        return reason.isEmpty() ? QStringLiteral("Cannot write %1.").arg(path)
                                : QStringLiteral("Cannot write %1: %2").arg(path, reason);
    }
    return QStringLiteral("The printer \"%1\" refused the job.").arg(printer_.printerName());
}

bool PrinterJob::begin(const QString& title) {
    failure_.clear();
    // A PDF printer without a file would be left marked as printing for good.
    if (const QString refused = refusal(printer_); !refused.isEmpty()) {
        failure_ = refused;
        return false;
    }
    printer_.setDocName(title);
    if (painter_.begin(&printer_))
        return true;
    failure_ = outputFailure();
    return false;
}

bool PrinterJob::newPage() {
    if (printer_.newPage())
        return true;
    failure_ = QStringLiteral("The printer stopped the job on page break.");
    return false;
}

bool PrinterJob::end() {
    if (!painter_.isActive())
        return true;
    settle();
    if (painter_.end() && printer_.printerState() != QPrinter::Error)
        return true;
    failure_ = outputFailure();
    return false;
}

void PrinterJob::abort() {
    if (!painter_.isActive())
        return;
    settle();
    printer_.abort();
    painter_.end();
    if (toFile(printer_))
        QFile::remove(printer_.outputFileName());
}

bool replaceIfStuck(std::shared_ptr<QPrinter>& printer) {
    if (!printer || printer->paintingActive())
        return false;
    if (printer->printerState() != QPrinter::Active && printer->printerState() != QPrinter::Aborted)
        return false;
    auto fresh = std::make_shared<QPrinter>(QPrinter::HighResolution);
    fresh->setOutputFormat(printer->outputFormat());
    if (printer->outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(printer->printerName());
    fresh->setOutputFileName(printer->outputFileName());
    fresh->setPageLayout(printer->pageLayout());
    fresh->setColorMode(printer->colorMode());
    fresh->setDuplex(printer->duplex());
    fresh->setCopyCount(printer->copyCount());
    fresh->setCollateCopies(printer->collateCopies());
    fresh->setFromTo(printer->fromPage(), printer->toPage());
    fresh->setPrintRange(printer->printRange());
    printer = std::move(fresh);
    return true;
}

} // namespace zorvel
