#pragma once
// `zorvel --print-pdf PAGE.htm OUT.pdf [--pages F-T]`: the page printed as the
// preview's Print button prints it, to an A4 PDF file, with no window.
#include "load/page_loader.h"

#include <QString>
#include <QTextStream>

namespace zorvel {

// Prints pages firstPage to lastPage (counted from 1; 9999 for the rest) of
// the page in pagePath, shown with look, into pdfPath, which is written whole
// or not at all. Returns 0; 1 when the page could not be read or the PDF not
// written (the reason on err; a table left out is only a warning there); 2
// when the first page is past the end and nothing was written.
int runPrintPdf(const QString& pagePath, const QString& pdfPath, int firstPage, int lastPage, QTextStream& err,
                const PageLook& look = desktopLook());

} // namespace zorvel
