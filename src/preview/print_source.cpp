#include "print_source.h"

#include "print_error.h"
#include "printer_job.h"

#include <QFontMetrics>
#include <QPrinter>

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

[[noreturn]] void fail(const PrinterJob& job) { throw PrintError(QLatin1String(kSourceNotPrinted), job.failure()); }

} // namespace

QFont sourcePrintFont(const QFont& editorFont) {
    QFont font = editorFont;
    font.setFamily(QStringLiteral("SYSTEM"));
    font.setPointSize(10);
    return font;
}

void printSource(QPrinter& printer, const SourcePrintout& source) {
    PrinterJob job(printer);
    if (!job.begin(source.title))
        fail(job);
    QPainter& painter = job.painter();
    const QFont font = sourcePrintFont(source.editorFont);
    painter.setFont(font);
    painter.setPen(source.color);
    const QFontMetrics metrics(font, &printer);
    const int pageHeight = printer.height();
    int y = 0;
    for (const QString& line : source.lines) {
        // A page holds at least one line, however tall the font.
        if (y > 0 && y + metrics.height() > pageHeight) {
            if (!job.newPage())
                fail(job);
            painter.setFont(font);
            painter.setPen(source.color);
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), expandTabs(line));
        y += metrics.lineSpacing();
    }
    if (!job.end())
        fail(job);
}

} // namespace zorvel
