#include "print_source.h"

#include "print_error.h"
#include "printer_job.h"

#include <QFontMetrics>
#include <QPrinter>
#include <algorithm>

namespace zorvel {

namespace {

constexpr const char* kSourceNotPrinted = "The document could not be printed.";
constexpr int kTabColumns = 8;

// Tabs move to the next multiple of eight columns, as a text printer does.
QString expandTabs(const QString& line) {
    if (!line.contains(u'\t'))
        return line;
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(kTabColumns - out.size() % kTabColumns, u' ');
        else
            out += c;
    }
    return out;
}

[[noreturn]] void fail(const PrinterJob& job) {
    throw PrintError(QLatin1String(kSourceNotPrinted), job.failure());
}

} // namespace

QFont sourcePrintFont(const QFont& editorFont) {
    QFont font = editorFont;
    font.setFamily(QStringLiteral("SYSTEM"));
    font.setPointSize(10);
    return font;
}

void printSource(QPrinter& printer, const SourcePrintout& source, const PrintProgress& progress) {
    PrinterJob job(printer);
    if (!job.begin(source.title))
        fail(job);
    QPainter& painter = job.painter();
    const QFont font = sourcePrintFont(source.editorFont);
    const QFontMetrics metrics(font, &printer);
    const int spacing = std::max(1, metrics.lineSpacing());
    // A page holds at least one line, however tall the font.
    const qsizetype perPage = 1 + std::max(0, (printer.height() - metrics.height()) / spacing);
    const int pages = int(std::max<qsizetype>(1, (source.lines.size() + perPage - 1) / perPage));
    for (int page = 1; page <= pages; ++page) {
        if (progress && !progress(page, pages)) {
            job.abort();
            throw PrintCancelled();
        }
        if (page > 1 && !job.newPage())
            fail(job);
        painter.setFont(font);
        painter.setPen(source.color);
        const qsizetype first = (page - 1) * perPage;
        const qsizetype end = std::min(source.lines.size(), first + perPage);
        for (qsizetype i = first; i < end; ++i)
            painter.drawText(0, int(i - first) * spacing + metrics.ascent(), expandTabs(source.lines[i]));
    }
    if (!job.end())
        fail(job);
}

} // namespace zorvel
