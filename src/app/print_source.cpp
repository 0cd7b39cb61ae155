#include "print_source.h"

#include "print_error.h"
#include "printer_job.h"

#include <QFontMetrics>
#include <QFontMetricsF>
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

// How many characters of line, from start, fit into room after a lead already
// taken; at least one, so every piece makes progress.
qsizetype fitting(const QString& line, qsizetype start, qreal room, const std::function<qreal(QChar)>& advance) {
    qreal used = 0;
    qsizetype n = start;
    for (; n < line.size(); ++n) {
        used += advance(line[n]);
        if (used > room)
            break;
    }
    return std::max<qsizetype>(1, n - start);
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

QStringList printedSourceLines(const QStringList& lines, const std::function<qreal(QChar)>& advance, qreal width) {
    const QString mark = QString::fromUtf8(kContinuationMark);
    qreal markWidth = 0;
    for (const QChar c : mark)
        markWidth += advance(c);
    QStringList printed;
    printed.reserve(lines.size());
    for (const QString& source : lines) {
        const QString line = expandTabs(source);
        qsizetype start = 0;
        do {
            const bool continued = start > 0;
            const qreal room = continued ? width - markWidth : width;
            qsizetype length = fitting(line, start, room, advance);
            if (start + length < line.size()) {
                // Break after a blank in the second half of the piece, so words stay whole.
                const qsizetype blank = line.lastIndexOf(u' ', start + length - 1);
                if (blank >= start + length / 2)
                    length = blank - start + 1;
            }
            printed << (continued ? mark : QString()) + line.mid(start, length);
            start += length;
        } while (start < line.size());
    }
    return printed;
}

void printSource(QPrinter& printer, const SourcePrintout& source, const PrintProgress& progress) {
    PrinterJob job(printer);
    if (!job.begin(source.title))
        fail(job);
    QPainter& painter = job.painter();
    const QFont font = sourcePrintFont(source.editorFont);
    const QFontMetrics metrics(font, &printer);
    const int spacing = std::max(1, metrics.lineSpacing());
    const QFontMetricsF measure(font, &printer);
    const QStringList lines = printedSourceLines(
        source.lines, [&measure](QChar c) { return measure.horizontalAdvance(c); }, printer.width());
    // A page holds at least one line, however tall the font.
    const qsizetype perPage = 1 + std::max(0, (printer.height() - metrics.height()) / spacing);
    const int pages = int(std::max<qsizetype>(1, (lines.size() + perPage - 1) / perPage));
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
        const qsizetype end = std::min(lines.size(), first + perPage);
        for (qsizetype i = first; i < end; ++i)
            painter.drawText(0, int(i - first) * spacing + metrics.ascent(), lines[i]);
    }
    if (!job.end())
        fail(job);
}

} // namespace zorvel
