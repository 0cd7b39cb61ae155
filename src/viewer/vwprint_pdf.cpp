#include "vwprint_pdf.h"

#include "htmlview.h"
#include "print_error.h"

#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>

namespace zorvel {

namespace {

constexpr const char* kUsage = "usage: zorvel --print-pdf PAGE.htm OUT.pdf [--pages F-T]\n";

// "F-T" or a single page "N"; pages count from 1.
bool parsePages(const QString& text, int& first, int& last) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})(?:-(\\d{1,9}))?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    first = m.captured(1).toInt();
    last = m.hasCaptured(2) ? m.captured(2).toInt() : first;
    return first >= 1 && last >= first;
}

} // namespace

int runPrintPdf(const QStringList& args, QTextStream& err) {
    QStringList files;
    int first = 1, last = 9999;
    bool ok = true;
    for (int i = 0; i < args.size() && ok; ++i) {
        if (args[i] == QLatin1String("--pages"))
            ok = i + 1 < args.size() && parsePages(args[++i], first, last);
        else
            files << args[i];
    }
    if (!ok || files.size() != 2) {
        err << kUsage;
        return 2;
    }

    int status = 0;
    THTMLViewer viewer;
    viewer.setViewImages(true);
    try {
        viewer.LoadFromFile(files[0]);
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
    printer.setOutputFileName(files[1]);
    printer.setPageSize(QPageSize(QPageSize::A4));
    try {
        viewer.Print(first, last, printer);
    } catch (const PrintError& e) {
        err << e.userText().replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace zorvel
