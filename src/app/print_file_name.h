#pragma once
// The file the print dialog offers when printing to a file: named after the
// page printed, in its folder, so that a hurried click never overwrites the
// PDF of another page printed before.
#include <QString>

class QPrinter;

namespace zorvel {

// The page's own name with ".pdf" in the page's folder; for a page not saved
// yet (pageFile empty), "untitled.pdf" in lastSaveDir.
QString printFileSuggestion(const QString& pageFile, const QString& lastSaveDir);

// Readies the printer for the print dialog: the job is named after the
// suggestion, and a printer that prints to a file prints to the suggestion,
// not to the file the last job chose.
void offerPrintFile(QPrinter& printer, const QString& suggestion);

} // namespace zorvel
