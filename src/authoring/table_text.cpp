#include "table_text.h"

namespace zorvel {

namespace {

constexpr const char* kCrLf = "\r\n";

// Blanks and control characters only: a non-breaking space is kept, since it is
// how a cell is kept from being empty.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

// "name=" value and a blank, or nothing when the value is empty.
QString attribute(const char* name, const QString& value, const char* after = " ") {
    if (value.isEmpty())
        return {};
    return QLatin1String(name) + value + QLatin1String(after);
}

QString openingTag(const TableFields& f) {
    QString parts = attribute("align=", f.align) + attribute("border=", f.border) +
                    attribute("width=", f.width, f.widthInPercent ? "% " : " ");
    if (f.cellPadding != QLatin1String(TableFields::kDefaultCellPadding) ||
        f.cellSpacing != QLatin1String(TableFields::kDefaultCellSpacing))
        parts += attribute("cellpadding=", f.cellPadding) + attribute("cellspacing=", f.cellSpacing);
    if (parts.isEmpty())
        return QStringLiteral("<table>");
    return QLatin1String("<table ") + parts + QLatin1Char('>');
}

QString captionLine(const TableFields& f) {
    if (f.caption.isEmpty())
        return {};
    return QLatin1String(f.captionAtBottom ? "<caption align=bottom>" : "<caption>") + f.caption +
           QLatin1String("</caption> ");
}

const char* alignText(CellJustify justify) {
    switch (justify) {
    case CellJustify::Centre:
        return "Align=Center>";
    case CellJustify::Right:
        return "Align=Right>";
    case CellJustify::Left:
        break;
    }
    return "Align=Left>";
}

} // namespace

QString makeTableText(const TableFields& f) {
    const TableCell empty;
    QString t = openingTag(f) + QLatin1String(kCrLf) + captionLine(f) + QLatin1String(kCrLf);
    for (int i = 0; i < f.rows; ++i) {
        t += QLatin1String("<tr>\r\n");
        for (int j = 0; j < f.cols; ++j) {
            const std::size_t index =
                static_cast<std::size_t>(i) * static_cast<std::size_t>(f.cols) + static_cast<std::size_t>(j);
            const TableCell& cell = index < f.cells.size() ? f.cells[index] : empty;
            const bool heading = j < f.headingCols || i < f.headingRows;
            t += QLatin1String(heading ? "<th " : "<td ") + QLatin1String(alignText(cell.justify)) +
                 trimBlanks(cell.text) + QLatin1String(heading ? "</th>" : "</td>") + QLatin1String(kCrLf);
        }
        t += QLatin1String("</tr>\r\n");
    }
    return t + QLatin1String("</table>\r\n");
}

} // namespace zorvel
