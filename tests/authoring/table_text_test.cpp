#include "table_text.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

QString lines(const QStringList& list) {
    return list.join("\r\n") + "\r\n";
}

// The rows of a table of empty, left-justified data cells.
QStringList emptyRows(int rows, int cols) {
    QStringList out;
    for (int i = 0; i < rows; ++i) {
        out << "<tr>";
        for (int j = 0; j < cols; ++j)
            out << "<td Align=Left></td>";
        out << "</tr>";
    }
    return out;
}

} // namespace

TEST(MakeTableText, TheDefaultsGiveTheTwoByTwoTable) {
    EXPECT_EQ(makeTableText({}), lines(QStringList{"<table align=Left border=10 width=100% >", ""} + emptyRows(2, 2) +
                                       QStringList{"</table>"}));
}

TEST(MakeTableText, TheOpeningTagAndCaptionLineFollowTheFields) {
    struct Case {
        const char* what;
        std::function<void(TableFields&)> set;
        const char* opening;
        const char* caption;
    } cases[] = {
        {"no attributes", [](TableFields& f) { f.border = f.width = f.align = ""; }, "<table>", ""},
        {"pixels",
         [](TableFields& f) {
             f.width = "400";
             f.widthInPercent = false;
         },
         "<table align=Left border=10 width=400 >", ""},
        {"align as typed", [](TableFields& f) { f.align = "Centre"; }, "<table align=Centre border=10 width=100% >",
         ""},
        {"blanks count",
         [](TableFields& f) {
             f.border = " ";
             f.width = "";
             f.align = "";
         },
         "<table border=  >", ""},
        {"caption on top", [](TableFields& f) { f.caption = " Prices"; }, "<table align=Left border=10 width=100% >",
         "<caption> Prices</caption> "},
        {"caption below",
         [](TableFields& f) {
             f.caption = "Prices";
             f.captionAtBottom = true;
         },
         "<table align=Left border=10 width=100% >", "<caption align=bottom>Prices</caption> "},
        // Padding and spacing appear together once either leaves its default.
        {"padding", [](TableFields& f) { f.cellPadding = "5"; },
         "<table align=Left border=10 width=100% cellpadding=5 cellspacing=2 >", ""},
        {"spacing", [](TableFields& f) { f.cellSpacing = "0"; },
         "<table align=Left border=10 width=100% cellpadding=1 cellspacing=0 >", ""},
        {"padding emptied", [](TableFields& f) { f.cellPadding = ""; },
         "<table align=Left border=10 width=100% cellspacing=2 >", ""},
        {"only padding",
         [](TableFields& f) {
             f.border = f.width = f.align = "";
             f.cellPadding = "4";
         },
         "<table cellpadding=4 cellspacing=2 >", ""},
        {"padding typed with a blank", [](TableFields& f) { f.cellPadding = "1 "; },
         "<table align=Left border=10 width=100% cellpadding=1  cellspacing=2 >", ""},
    };
    for (const Case& c : cases) {
        TableFields f;
        c.set(f);
        EXPECT_EQ(makeTableText(f),
                  lines(QStringList{c.opening, c.caption} + emptyRows(2, 2) + QStringList{"</table>"}))
            << c.what;
    }
}

TEST(MakeTableText, HeadingRowsAndColumnsAndCellJustification) {
    TableFields f;
    f.border = f.width = f.align = "";
    f.rows = f.cols = 3;
    f.headingRows = f.headingCols = 1;
    f.cells = {{"Name"},    {" Price ", CellJustify::Centre},      {"Stock", CellJustify::Right},
               {"\tpen\n"}, {"\u00a01\u00a0", CellJustify::Right}, {}};
    // Cells past the given ones are empty and left-justified.
    EXPECT_EQ(makeTableText(f),
              lines({"<table>", "", "<tr>", "<th Align=Left>Name</th>", "<th Align=Center>Price</th>",
                     "<th Align=Right>Stock</th>", "</tr>", "<tr>", "<th Align=Left>pen</th>",
                     "<td Align=Right>\u00a01\u00a0</td>", "<td Align=Left></td>", "</tr>", "<tr>",
                     "<th Align=Left></th>", "<td Align=Left></td>", "<td Align=Left></td>", "</tr>", "</table>"}));

    // Counts beyond the table make every cell a heading cell.
    TableFields all;
    all.headingCols = 5;
    EXPECT_EQ(makeTableText(all).count("<th "), 4);
    EXPECT_EQ(makeTableText(all).count("<td "), 0);
}

TEST(MakeTableText, LargeTablesAndLongTextsAreBuiltWhole) {
    TableFields f;
    f.rows = 120;
    f.cols = 150;
    f.caption = QString(2000, 'c');
    const QString longText = QString(5000, 'x') + " end";
    f.cells.resize(std::size_t(f.rows) * std::size_t(f.cols));
    f.cells.back().text = longText;
    const QString t = makeTableText(f);
    EXPECT_TRUE(t.contains("<caption>" + f.caption + "</caption> \r\n"));
    EXPECT_TRUE(t.endsWith("<td Align=Left>" + longText + "</td>\r\n</tr>\r\n</table>\r\n"));
    EXPECT_EQ(t.count("<tr>"), 120);
    EXPECT_EQ(t.count("<td "), 120 * 150);
}
