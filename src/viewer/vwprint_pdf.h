#pragma once
// `zorvel --print-pdf PAGE.htm OUT.pdf [--pages F-T]`: the page printed as the
// preview's Print button prints it, to an A4 PDF file, with no window.
#include <QStringList>
#include <QTextStream>

namespace zorvel {

// args: the arguments after "--print-pdf". Returns 0; 1 when the page could
// not be read or the PDF not written (the reason on err); 2 on a usage error.
int runPrintPdf(const QStringList& args, QTextStream& err);

} // namespace zorvel
