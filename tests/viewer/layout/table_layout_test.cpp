// Tables with fixed metrics: column widths, row heights, captions, alignment,
// frames, hit tests and the cost of nesting. 12-point text is 7 pixels a
// character and 17 high; a default cell adds 2 x 2 padding and 3 spacing.
#include "layout/layout_helper.h"

#include <QRegularExpression>

using namespace zorvel;
using zorvel::testing::Laid;

namespace {

QString widthsOf(const ThtmlTable& t) {
    QStringList w;
    for (int k = 0; k < t.NumCols; ++k)
        w << QString::number(t.Widths[k]);
    return w.join(u',');
}

const TSection& firstText(const TCell& cell) {
    for (const auto& s : cell)
        if (const auto* t = dynamic_cast<const TSection*>(s.get()); t && t->Len > 0)
            return *t;
    throw std::out_of_range("no text in the cell");
}

const TCellObj& cellAt(const ThtmlTable& t, int row, int column) {
    return *t.Rows.Item(row)->Item(column);
}

struct GeometryCase {
    const char* what;
    const char* html;
    int width;
    const char* widths;
    int tableWidth, fullWidth, tableLeft, columnsLeft, height, pageScrollWidth;
};

// "ab" and "c" need 14 + 7 and 7 + 7 pixels. A page of only a table is as wide as the table.
const GeometryCase kGeometry[] = {
    {"WIDTH=80 is 80 percent: 320 less the spacing, shared by widest widths", "<TABLE WIDTH=80><TR><TD>ab<TD>c</TABLE>",
     400, "190,127", 320, 320, 0, 0, 34, 320},
    {"WIDTH=500 is no percentage and is ignored", "<TABLE WIDTH=500><TR><TD>ab<TD>c</TABLE>", 400, "21,14", 38, 38, 0,
     0, 34, 38},
    {"a cell WIDTH of 100 is ignored", "<TABLE><TR><TD WIDTH=100>ab<TD>c</TABLE>", 400, "21,14", 38, 38, 0, 0, 34, 38},
    {"a cell WIDTH=50 makes its column half the table", "<TABLE><TR><TD WIDTH=50>ab<TD>c</TABLE>", 400, "21,21", 45, 45,
     0, 0, 34, 45},
    {"a table narrower than its minimum overflows and widens the page",
     "<TABLE ALIGN=center><TR><TD>abcdefghij<TD>klmnopqrst</TABLE>", 100, "77,77", 157, 157, 0, 0, 34, 157},
    {"a wide caption widens the table and the columns are centred under it",
     "<TABLE ALIGN=center><CAPTION>widecaptionword</CAPTION><TR><TD>x</TABLE>", 400, "14", 17, 105, 147, 191, 51, 105},
    {"a right-aligned table ends at the width", "<TABLE ALIGN=right><TR><TD>x</TABLE>", 400, "14", 17, 17, 383, 383, 34,
     17},
    {"CELLSPACING=0 and CELLPADDING=0 still leave a pixel of each",
     "<TABLE CELLSPACING=0 CELLPADDING=0><TR><TD>ab<TD>c</TABLE>", 400, "17,10", 28, 28, 0, 0, 26, 28},
    // Column 1 asks 50 % and column 2 40 % of 147: the second (58 < 63) drops
    // its percentage, the first shrinks to 43 % and is fixed at 63 pixels.
    {"percentages that do not fit give way one round after another",
     "<TABLE><TR><TD WIDTH=50>aaaa aaaa aaaa<TD WIDTH=40>bbbbbbbb<TD>cc</TABLE>", 150, "63,63,21", 150, 150, 0, 0, 68,
     150},
    {"percentages that fit: each column its share of the widest need",
     "<TABLE><TR><TD WIDTH=25>aaaa<TD WIDTH=25>b<TD>c</TABLE>", 400, "35,35,70", 143, 143, 0, 0, 34, 143},
    {"too narrow for the widest widths: narrowest plus a share of the rest",
     "<TABLE><TR><TD>aaa aaa aaa aaa<TD>b</TABLE>", 80, "63,14", 80, 80, 0, 0, 51, 80},
};

} // namespace

TEST(TableLayout, ColumnWidthsAlignmentAndHeights) {
    for (const GeometryCase& c : kGeometry) {
        const Laid page(QString::fromLatin1(c.html), c.width);
        const ThtmlTable& t = *page.table();
        EXPECT_EQ(widthsOf(t), QString::fromLatin1(c.widths)) << c.what;
        EXPECT_EQ(t.TableWidth, c.tableWidth) << c.what;
        EXPECT_EQ(t.FullWidth, c.fullWidth) << c.what;
        EXPECT_EQ(t.TableLeft, c.tableLeft) << c.what;
        EXPECT_EQ(t.ColumnsLeft, c.columnsLeft) << c.what;
        EXPECT_EQ(t.SectionHeight, c.height) << c.what;
        EXPECT_EQ(page.scrollWidth, c.pageScrollWidth) << c.what;
    }
}

TEST(TableLayout, EveryTableHasTheCaptionCellsHeadingSpaceAboveItsRows) {
    for (const int fontSize : {12, 24}) {
        zorvel::testing::Parsed p(QStringLiteral("<TABLE><TR><TD>x</TABLE>"), fontSize);
        int scroll = 0, chars = 0;
        p.list.DoLogic(p.canvas, 0, 400, scroll, chars);
        const ThtmlTable& t = *p.table();
        EXPECT_EQ(t.CaptionHeight, 4 * fontSize / 12);
        // The cell's text starts below the caption, the spacing above the rows and its own spacing and padding.
        EXPECT_EQ(firstText(*cellAt(t, 0, 0).Cell).TopY, 4 * fontSize / 12 + 3 + 3 + 2);
    }
    // Below the rows, the caption still has its space above its text.
    const Laid page(QStringLiteral("<TABLE><CAPTION ALIGN=bottom>c</CAPTION><TR><TD>x</TABLE>"), 400);
    const ThtmlTable& t = *page.table();
    EXPECT_FALSE(t.TopCaption);
    EXPECT_EQ(t.BodyHeight, 30);
    EXPECT_EQ(t.CaptionHeight, 21);
    EXPECT_EQ(firstText(*t.Caption->Cell).TopY, 30 + 4);
}

TEST(TableLayout, SpansCrossingEachOtherMakeARectangularGrid) {
    // A block two columns wide and two rows high, beside and above cells of
    // their own; the block is three lines high, so its two rows grow.
    const Laid page(QStringLiteral("<TABLE><TR><TD>a<TD COLSPAN=2 ROWSPAN=2>BLOCK<BR>X<BR>Y"
                                   "<TR><TD>c<TR><TD>d<TD>e<TD>f<TD ROWSPAN=7>g</TABLE>"),
                    400);
    const ThtmlTable& t = *page.table();
    QStringList grid;
    for (const auto& row : t.Rows) {
        QString r;
        for (const auto& cell : *row)
            r += cell->ColSpan == 0 ? QStringLiteral("-") : zorvel::testing::cellText(*cell->Cell).left(1);
        grid << r;
    }
    EXPECT_EQ(grid, (QStringList{"aB-", "c--", "defg"}));
    EXPECT_EQ(t.NumCols, 4);
    EXPECT_EQ(cellAt(t, 2, 3).RowSpan, 1) << "a span past the last row is cut";
    // The block's 42 pixels go to its two columns in proportion to their 14 each.
    EXPECT_EQ(widthsOf(t), "14,21,21,14");
    // Three lines (51) and 7 make 58; the two rows of 24 grow by 10 div 2 + 1 each.
    EXPECT_EQ(t.Rows.Item(0)->RowHeight, 30);
    EXPECT_EQ(t.Rows.Item(1)->RowHeight, 30);
    EXPECT_EQ(t.Rows.Item(2)->RowHeight, 24);
    const TCellObj& block = cellAt(t, 0, 1);
    EXPECT_EQ(block.CellWidth, 42);
    EXPECT_EQ(block.CellHeight, 60);
    EXPECT_EQ(block.ContentOffset, 1);
}

TEST(TableLayout, CellsAlignVerticallyByTheirOffset) {
    const Laid page(QStringLiteral("<TABLE><TR><TD VALIGN=top>a<TD>b<TD VALIGN=bottom>c<TD>d<BR>d<BR>d</TABLE>"), 400);
    const ThtmlTable& t = *page.table();
    EXPECT_EQ(t.Rows.Item(0)->RowHeight, 58);
    const int rowTop = 4 + 3;
    const int offsets[] = {0, 17, 34, 0};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(cellAt(t, 0, k).ContentOffset, offsets[k]) << k;
        EXPECT_EQ(firstText(*cellAt(t, 0, k).Cell).TopY, rowTop + 3 + 2 + offsets[k]) << k;
    }
}

TEST(TableLayout, DrawingFramesCellsAndLeavesBlanks) {
    // An empty cell and the columns a short row does not reach draw nothing.
    const QString html = QStringLiteral("<TABLE BORDER><TR><TD>a<TD></TD><TD>c<TR><TD>d</TABLE>");
    const QStringList bevel = {
        // Cell "a": 14 wide at x 0, its frame from the spacing to its right edge; sunken.
        "line 3,31-3,10 #808080", "line 3,10-14,10 #808080", "line 14,10-14,31 #ffffff", "line 14,31-3,31 #ffffff",
        // Cell "c", right of the empty cell's 7 pixels.
        "line 24,31-24,10 #808080", "line 24,10-35,10 #808080", "line 35,10-35,31 #ffffff", "line 35,31-24,31 #ffffff",
        "line 3,55-3,34 #808080", "line 3,34-14,34 #808080", "line 14,34-14,55 #ffffff", "line 14,55-3,55 #ffffff",
        // Around the rows, raised.
        "line 0,58-0,7 #ffffff", "line 0,7-38,7 #ffffff", "line 38,7-38,58 #808080", "line 38,58-0,58 #808080"};
    Laid page(html, 400);
    QStringList lines;
    for (const QString& call : page.draw())
        if (call.startsWith(QLatin1String("line")))
            lines << call;
        else
            EXPECT_TRUE(call.contains(QRegularExpression("\"[acd]\""))) << call.toStdString();
    EXPECT_EQ(lines, bevel);

    // On a page colour of its own every edge is in the text colour.
    Laid white(html, 400, [](TSectionList& list) { list.SetBackground(Qt::white); });
    for (const QString& call : white.draw()) {
        if (call.startsWith(QLatin1String("line"))) {
            EXPECT_TRUE(call.endsWith(QLatin1String("#000000"))) << call.toStdString();
        }
    }
}

TEST(TableLayout, HitTestsAndSearchReachTheCellUnderThePoint) {
    Laid page(QStringLiteral("ab<TABLE ALIGN=center><CAPTION>cap</CAPTION><TR><TD>x<TD><A HREF=\"to.htm\">link</A>"
                             "<TR><TD COLSPAN=2>wide</TABLE>z"),
              400);
    const ThtmlTable& t = *page.table();
    // Characters are counted caption first, then row by row: ab, cap, x, link, wide, z.
    const TSection& link = firstText(*cellAt(t, 0, 1).Cell);
    EXPECT_EQ(link.StartPos, 2 + 3 + 1);
    EXPECT_EQ(page.charCount, 2 + 3 + 1 + 4 + 4 + 1);
    EXPECT_EQ(page.list.FindString(0, QStringLiteral("wide"), true), 10);
    EXPECT_EQ(page.list.FindString(0, QStringLiteral("CAP"), false), 2);
    EXPECT_EQ(page.list.FindString(11, QStringLiteral("wide"), true), -1);

    // The link's cell starts right of the first column, past spacing and padding.
    const int linkLeft = t.ColumnsLeft + t.Widths[0] + 3 + 2;
    QString url;
    EXPECT_TRUE(page.list.GetURL(page.canvas, linkLeft + 10, link.TopY + 5, url));
    EXPECT_EQ(url, "to.htm");
    EXPECT_FALSE(page.list.GetURL(page.canvas, t.ColumnsLeft + 5, link.TopY + 5, url)) << "the cell beside";

    int x = 0, y = 0, caretHeight = 0;
    EXPECT_EQ(page.list.FindCursor(page.canvas, linkLeft + 15, link.TopY + 5, x, y, caretHeight), link.StartPos + 2);
    EXPECT_EQ(x, linkLeft + 14);
    EXPECT_EQ(y, link.TopY);
    EXPECT_EQ(caretHeight, 17);
    ASSERT_TRUE(page.list.CursorToXY(page.canvas, link.StartPos + 1, x, y));
    EXPECT_EQ(x, linkLeft + 7);
    EXPECT_EQ(y, link.TopY);

    // The caption is centred over the table.
    const TSection& caption = firstText(*t.Caption->Cell);
    ASSERT_TRUE(page.list.CursorToXY(page.canvas, 2, x, y));
    EXPECT_EQ(x, t.TableLeft + caption.LineRecs.Item(0)->LineIndent);
    EXPECT_EQ(page.list.FindCursor(page.canvas, x + 1, y + 1, x, y, caretHeight), 2);
}

TEST(TableLayout, MoreThanThirtyColumnsDropTheTableAndReportOnce) {
    const auto columns = [](int n, const QString& extra = {}) {
        return QStringLiteral("above<TABLE><TR>") + QStringLiteral("<TD>q").repeated(n) + extra +
               QStringLiteral("</TABLE>below");
    };
    {
        const Laid page(columns(30), 400);
        EXPECT_FALSE(page.list.LayoutError);
        EXPECT_EQ(page.table()->NumCols, 30);
    }
    // Too many cells, a huge COLSPAN, and rows made too long by the spans above them.
    for (const QString& html :
         {columns(31), columns(29, QStringLiteral("<TD COLSPAN=2000000000>q")),
          QStringLiteral("<TABLE><TR>") + QStringLiteral("<TD ROWSPAN=2>q").repeated(15) + QStringLiteral("<TR>") +
              QStringLiteral("<TD>q").repeated(16) + QStringLiteral("</TABLE>")}) {
        Laid page(html, 400);
        EXPECT_EQ(page.list.LayoutError, QStringLiteral("Table has too many Columns"));
        EXPECT_EQ(page.table()->SectionHeight, 0);
        int scroll = 0, chars = 0;
        EXPECT_EQ(page.list.DoLogic(page.canvas, 0, 300, scroll, chars), page.height) << "the rest is laid out";
        EXPECT_FALSE(page.list.LayoutError) << "reported by the layout that built the grid only";
        EXPECT_EQ(page.draw().filter(QStringLiteral("\"q\"")), QStringList{});
        EXPECT_EQ(page.list.FindString(0, QStringLiteral("q"), true), -1);
    }
}

TEST(TableLayout, NestedTablesLayEachCellOutOnceAtEachWidth) {
    // A canvas that counts how often text is measured.
    struct Counting : FixedMetricsCanvas {
        int measured = 0;
        QSize textExtent(const FontDescription& font, QStringView text) override {
            ++measured;
            return FixedMetricsCanvas::textExtent(font, text);
        }
    };
    int counts[2] = {};
    for (const int depth : {4, 12}) {
        const QString html = QStringLiteral("<TABLE BORDER><TR><TD>a<TD>").repeated(depth) + QStringLiteral("deep") +
                             QStringLiteral("</TABLE>").repeated(depth);
        zorvel::testing::Parsed p(html);
        Counting canvas;
        int scroll = 0, chars = 0;
        const int height = p.list.DoLogic(canvas, 0, 2000, scroll, chars);
        counts[depth == 12] = canvas.measured;
        // Each level: caption 4, spacing 3 and 3, padding 2 and 2, spacing 3 around the level within.
        EXPECT_EQ(height, depth * 17 + 17) << depth;
        // The innermost text is where the geometry says, though only moved there.
        const ThtmlTable* t = p.table();
        int top = 0, left = 0;
        for (int level = 1; level < depth; ++level) {
            top += 4 + 3 + 3 + 2;
            left += t->ColumnsLeft + t->Widths[0] + 3 + 2;
            t = static_cast<const ThtmlTable*>(cellAt(*t, 0, 1).Cell->Item(0));
        }
        const TSection& deep = firstText(*cellAt(*t, 0, 1).Cell);
        EXPECT_EQ(deep.TopY, top + 4 + 3 + 3 + 2) << depth;
        EXPECT_EQ(deep.StartPos, depth) << depth;
        int x = 0, y = 0;
        ASSERT_TRUE(p.list.CursorToXY(canvas, depth + 1, x, y));
        EXPECT_EQ(x, left + t->ColumnsLeft + t->Widths[0] + 3 + 2 + 7);
    }
    // Three times the depth costs about three times the measuring, not 2^8 times.
    EXPECT_LT(counts[1], 4 * counts[0]);
}
