// Pages written to break the engine: each is parsed and laid out, and what
// it must come to is checked. A page that hangs the engine is stopped by the
// test's time limit (ctest), which is kept short for these.
#include "forms/form_helper.h"
#include "layout/layout_helper.h"
#include "model/limits.h"
#include "print/printing.h"

#include <functional>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

QString repeated(const char* piece, int n) {
    return QString::fromLatin1(piece).repeated(n);
}

// Pictures of the given size for every IMG of the page, without files. The
// host lives as long as the table that holds this step, so past every page.
std::function<void(TSectionList&)> pictures(QSize size) {
    auto host = std::make_shared<PictureHost>(size);
    return [host](TSectionList& list) { list.Host = host.get(); };
}

const TFormControlObj& control(const Laid& page, int k) {
    return *page.list.FormList.Item(0)->ControlList.Item(k);
}

struct HostilePage {
    const char* name;
    std::function<QString()> html;
    int width;
    std::function<void(TSectionList&)> prepare;
    std::function<void(Laid&)> check;
};

void PrintTo(const HostilePage& page, std::ostream* os) {
    *os << page.name;
}

const HostilePage kPages[] = {
    {"ColumnSpanAtTheLargestInt",
     [] { return QStringLiteral("<TABLE><TR><TD>a<TD COLSPAN=2147483647>b</TABLE>after"); },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.list.LayoutError, QStringLiteral("Table has too many Columns"));
         EXPECT_EQ(page.nonEmptyTexts(), QStringList{"after"});
     }},
    {"ColumnSpansFillingThirtyColumns",
     [] { return QStringLiteral("<TABLE><TR><TD>a<TD COLSPAN=29>b</TABLE>"); },
     600,
     {},
     [](Laid& page) {
         EXPECT_FALSE(page.list.LayoutError);
         EXPECT_EQ(page.table()->NumCols, 30);
     }},
    {"OneRowSpanAsTallAsTenThousandRows",
     [] { return "<TABLE><TR><TD ROWSPAN=10000>tall<TD>r" + repeated("<TR><TD>r", 9999) + "</TABLE>"; },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.table()->NumCols, 2);
         EXPECT_EQ(page.table()->Rows.Item(0)->Item(0)->CellHeight, page.table()->BodyHeight - 6);
     }},
    {"PreformattedTextOfNineHundredThousandCharacters",
     [] { return "<PRE>" + QString(900000, u'x'); },
     600,
     {},
     [](Laid& page) { EXPECT_EQ(page.text().TextBuffer(), QString(900000, u'x')); }},
    {"AHundredThousandPicturesInOneParagraph", [] { return repeated("<IMG SRC=a.gif>", 100000); }, 600,
     [](TSectionList& list) { list.ShowImages = false; },
     [](Laid& page) {
         EXPECT_EQ(page.text().Images().Count(), 100000);
         EXPECT_GT(page.height, 0);
     }},
    {"EightyThousandCheckBoxesInOneParagraph",
     [] { return repeated("<INPUT TYPE=checkbox>", 80000); },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.text().FormControls().size(), 80000u);
         const int perLine = 600 / 13; // a check box is 13 pixels wide
         EXPECT_EQ(page.text().LineRecs.Count(), (80000 + perLine - 1) / perLine);
     }},
    {"NineThousandWordsInOneParagraph",
     [] {
         QString words;
         for (int i = 0; i < 9000; ++i)
             words += QStringLiteral("w%1 ").arg(i, 5, 10, QLatin1Char('0'));
         return "<P>" + words;
     },
     600,
     {},
     [](Laid& page) { EXPECT_TRUE(page.text().TextBuffer().endsWith(u"w08999 ")); }},
    {"ASingleWordOfFiveMegabytes",
     [] { return QString(5'000'000, u'w'); },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.text().Len, 5'000'000);
         EXPECT_EQ(page.text().LineRecs.Count(), 1);
         EXPECT_EQ(page.scrollWidth, 7 * 5'000'000);
     }},
    {"APageTallerThanAnIntCounts", [] { return repeated("<IMG SRC=tall.png><BR>", 75000); }, 600,
     pictures(QSize(1, 30000)),
     [](Laid& page) {
         // The height stops where the sums stop, above what the viewer shows, and no place is negative.
         EXPECT_EQ(page.height, kMaxExtent);
         EXPECT_GT(page.height, kMaxDocumentHeight);
         int x = 0, y = 0;
         ASSERT_TRUE(page.list.CursorToXY(page.canvas, page.charCount - 1, x, y));
         EXPECT_EQ(y, kMaxExtent);
         int top = 0, index = 0;
         EXPECT_NE(page.list.FindSectionAtPosition(kMaxExtent - 1, top, index), nullptr);
         EXPECT_GE(top, 0);
     }},
    {"RowsOfTextAreasTwoBillionRowsTall",
     [] { return "<TABLE>" + repeated("<TR><TD><TEXTAREA ROWS=2000000000></TEXTAREA>", 129) + "</TABLE>"; },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(control(page, 0).ControlHeight(), kMaxControlExtent);
         EXPECT_EQ(page.table()->SectionHeight, 129 * (kMaxControlExtent + 3 + 4) + 2 * 3 + 4);
     }},
    {"CellsOfTextAreasTwoBillionColumnsWide",
     [] { return "<TABLE><TR>" + repeated("<TD><TEXTAREA COLS=2000000000></TEXTAREA>", 30) + "</TABLE>"; },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(control(page, 0).ControlWidth(), kMaxControlExtent);
         EXPECT_EQ(page.table()->TableWidth, 30 * (kMaxControlExtent + 2 * 2 + 3) + 3);
     }},
    {"ControlsAsLargeAsAPageMayAsk",
     [] {
         return QStringLiteral("<SELECT SIZE=999999999><OPTION>a</SELECT>"
                               "<TEXTAREA ROWS=999999999 COLS=999999999></TEXTAREA>");
     },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(control(page, 0).ControlHeight(), kMaxControlExtent);
         EXPECT_EQ(control(page, 1).ControlHeight(), kMaxControlExtent);
         EXPECT_EQ(control(page, 1).ControlWidth(), kMaxControlExtent);
         // Printed, it is a few sheets, not thousands: each line is taller than a sheet and is cut at its foot.
         EXPECT_LE(page.height, 2 * kMaxControlExtent + 100);
         EXPECT_EQ(int(paginate(page.list, 1000, 9999).size()), (page.height + 999) / 1000);
     }},
    {"AWordWiderThanACentredLine",
     [] { return "<CENTER>" + QString(200, u'w'); },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.text().LineRecs.Item(0)->LineIndent, 0);
         EXPECT_EQ(page.scrollWidth, 1400);
     }},
    {"AWordWiderThanARightAlignedLine",
     [] { return "<P ALIGN=right>short " + QString(200, u'w'); },
     600,
     {},
     [](Laid& page) {
         EXPECT_EQ(page.lines(0),
                   (QStringList{"[short ] x565 h17 d3 b0 a0", "[" + QString(200, u'w') + "] x0 h17 d3 b0 a0"}));
     }},
    {"FontSizesPastTheLargestIntFromTheBase", // found by the fuzzer: the base was added without a check
     [] { return QStringLiteral("<BASEFONT SIZE=5><FONT SIZE=+2147483647>a<FONT SIZE=-2147483648>b"); },
     600,
     {},
     [](Laid& page) {
         // Both sizes are out of range and ignored: the text keeps the base font's size.
         const TSection& s = page.text();
         EXPECT_EQ(s.Fonts.GetFontObjAt(0)->RunFont().NormalSize, 18);
         EXPECT_EQ(s.Fonts.GetFontObjAt(1)->RunFont().NormalSize, 18);
     }},
    {"APictureTallerThanAPrintedPageInACell",
     [] { return QStringLiteral("<TABLE><TR><TD><IMG SRC=tall.png></TD></TR></TABLE><P>after"); }, 600,
     pictures(QSize(200, 2500)),
     [](Laid& page) {
         // No sheet is left all but blank before the picture: every page but the last takes half a page or more.
         const std::vector<PrintPage> pages = paginate(page.list, 1000, 99);
         ASSERT_LE(pages.size(), 3u);
         for (std::size_t i = 0; i + 1 < pages.size(); ++i)
             EXPECT_GE(pages[i].bottom - pages[i].top, 500) << i;
     }},
};

class HostilePages : public ::testing::TestWithParam<HostilePage> {};

TEST_P(HostilePages, AreLaidOutAsDecided) {
    const HostilePage& p = GetParam();
    FixedSizeControlFactory controls; // a character 8 by 16 pixels in a control
    Laid page(p.html(), p.width, p.prepare, &controls);
    p.check(page);
}

INSTANTIATE_TEST_SUITE_P(Each, HostilePages, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<HostilePage>& info) { return info.param.name; });

} // namespace
