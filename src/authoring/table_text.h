#pragma once
// The text of a table built in the table designer, apart from any widget.
#include <QString>
#include <vector>

namespace zorvel {

enum class CellJustify { Left, Centre, Right };

struct TableCell {
    QString text; // written trimmed of surrounding blanks
    CellJustify justify = CellJustify::Left;
};

struct TableFields {
    QString caption;
    bool captionAtBottom = false;
    // Copied as typed; an empty field leaves its attribute out.
    QString border = QStringLiteral("10");
    QString align = QStringLiteral("Left");
    QString width = QStringLiteral("100");
    bool widthInPercent = true;
    QString cellPadding = QLatin1String(kDefaultCellPadding);
    QString cellSpacing = QLatin1String(kDefaultCellSpacing);
    int rows = 2;
    int cols = 2;
    int headingRows = 0; // leading rows written as heading cells
    int headingCols = 0;
    // Row by row, rows * cols of them; missing cells are empty and left-justified.
    std::vector<TableCell> cells;

    static constexpr const char* kDefaultCellPadding = "1";
    static constexpr const char* kDefaultCellSpacing = "2";
};

// The table's markup, every line ended by CR LF. Padding and spacing are written
// only when either differs from its default, so a table made with the defaults
// carries neither.
QString makeTableText(const TableFields& fields);

} // namespace zorvel
