#include "print_file_name.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace zorvel {

QString printFileSuggestion(const QString& pageFile, const QString& lastSaveDir) {
    if (pageFile.isEmpty())
        return QDir(lastSaveDir).filePath(QStringLiteral("untitled.pdf"));
    const QFileInfo page(pageFile);
    const QString pdf = page.absoluteDir().filePath(page.completeBaseName() + QStringLiteral(".pdf"));
    // A page that is itself named ".pdf" is never offered as its own printout.
    return pdf == page.absoluteFilePath() ? pdf + QStringLiteral(".pdf") : pdf;
}

void offerPrintFile(QPrinter& printer, const QString& suggestion) {
    printer.setDocName(QFileInfo(suggestion).fileName());
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(suggestion);
}

} // namespace zorvel
