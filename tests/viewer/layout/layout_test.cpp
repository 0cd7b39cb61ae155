// Line breaking, line heights, widths and hit tests, with fixed metrics.
#include "layout/layout_helper.h"

using namespace zorvel;
using zorvel::testing::Laid;

namespace {

// An image that cannot be found shows the 27 by 30 error picture: 27 wide, 32 high.
struct LineCase {
    const char* what;
    const char* html;
    int width;
    QStringList lines;
};

const LineCase kLineCases[] = {
    {"a line full to the pixel breaks after its space",
     "aaa bbb ccc",
     56,
     {"[aaa bbb ] x0 h17 d3 b0 a0", "[ccc] x0 h17 d3 b0 a0"}},
    {"a word ending at the margin stays though its space does not fit",
     "aaa bbb ccc",
     50,
     {"[aaa bbb ] x0 h17 d3 b0 a0", "[ccc] x0 h17 d3 b0 a0"}},
    {"a word cut by the margin goes down whole",
     "aaa bbb ccc",
     45,
     {"[aaa ] x0 h17 d3 b0 a0", "[bbb ] x0 h17 d3 b0 a0", "[ccc] x0 h17 d3 b0 a0"}},
    {"a word wider than the line stays whole on its own line",
     "abcdefghij kl",
     35,
     {"[abcdefghij ] x0 h17 d3 b0 a0", "[kl] x0 h17 d3 b0 a0"}},
    {"a line breaks before an image with no space before it",
     "aaaa<IMG SRC=none.gif>bb",
     40,
     {"[aaaa] x0 h17 d3 b0 a0", "[[img]bb] x0 h17 d3 b18 a0"}},
    {"a bottom-aligned image raises the line", "a<IMG SRC=none.gif>", 400, {"[a[img]] x0 h17 d3 b18 a0"}},
    {"a top-aligned image deepens the line", "a<IMG SRC=none.gif ALIGN=top>", 400, {"[a[img]] x0 h17 d3 b0 a15"}},
    {"a middle image takes half of its excess above and below",
     "a<IMG SRC=none.gif ALIGN=middle>",
     400,
     {"[a[img]] x0 h17 d3 b8 a8"}},
    {"centred lines are centred without their trailing spaces",
     "<CENTER>aaa bbb ccc</CENTER>",
     63,
     {"[aaa bbb ] x7 h17 d3 b0 a0", "[ccc] x21 h17 d3 b0 a0"}},
    {"right-aligned lines end at the width",
     "<P ALIGN=right>aaa bbb ccc",
     63,
     {"[aaa bbb ] x14 h17 d3 b0 a0", "[ccc] x42 h17 d3 b0 a0"}},
    {"the tallest font sets the line's height and descent", "a<FONT SIZE=7>B</FONT>c", 400, {"[aBc] x0 h51 d9 b0 a0"}},
    {"a list item fits its text beside the indent",
     "<UL><LI>aaa bbb</UL>",
     70,
     {"[aaa ] x35 h17 d3 b0 a0", "[bbb] x35 h17 d3 b0 a0"}},
    {"preformatted text never wraps", "<PRE>aaa bbb ccc ddd</PRE>", 20, {"[aaa bbb ccc ddd] x0 h13 d2 b0 a0"}},
    {"raw placeholder bytes in preformatted text measure nothing",
     "<PRE>a\x04 b\x02</PRE>",
     400,
     {"[a[img] b[ctl]] x0 h13 d2 b0 a0"}},
};

} // namespace

TEST(Layout, LineBreakingAndLineHeights) {
    for (const LineCase& c : kLineCases) {
        const Laid page(QString::fromLatin1(c.html), c.width);
        EXPECT_EQ(page.lines(), c.lines) << c.what;
    }
}

TEST(Layout, SpacesKeptAtABreakDoNotMoveACentredLine) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    TMyFont font;
    font.name = list.FontName;
    font.SetNominalSize(list, 12);
    auto section = makeModel<TSection>(list.Pool, list, 0, Justification::Center, QString(), font, 0);
    section->AddText(u"aaa   bbb");
    list.Add(std::move(section));
    int width = 0, pos = 0;
    list.DoLogic(canvas, 0, 35, width, pos);
    const auto& s = static_cast<const TSection&>(*list.Item(0));
    ASSERT_EQ(s.LineRecs.Count(), 2);
    EXPECT_EQ(s.LineRecs.Item(0)->CharCount, 6);
    EXPECT_EQ(s.LineRecs.Item(0)->LineIndent, (35 - 21) / 2);
    EXPECT_EQ(s.LineRecs.Item(1)->LineIndent, (35 - 21) / 2);
}

TEST(Layout, HeightsPositionsAndScrollWidth) {
    struct Case {
        const char* what;
        const char* html;
        int width;
        int height, scrollWidth, chars;
    };
    const Case cases[] = {
        // 17 + paragraph 14 + 17 + rule 20 + heading spaces 16 and 16 around a 34-high H1 line.
        {"spaces, rules and headings add their fixed heights", "a<P>b<HR><H1>c</H1>", 400, 134, 400, 3},
        // A table: caption space 4, spacing 3, a row of 17 + padding 4 + spacing 3, spacing 3.
        {"a table's cells take room and positions between the text", "a<TABLE><TR><TD>x</TABLE>b", 400, 68, 400, 3},
        {"a word wider than the line widens the page", "abcdefghij kl", 35, 34, 70, 13},
        {"an image wider than the line widens the page", "<IMG SRC=none.gif>", 20, 35, 27, 1},
        {"preformatted text widens the page by its whole width", "<PRE>aaaaaaaaaaaaaaaaaaaaaaaaa</PRE>", 100, 13, 150,
         25},
        {"an empty page", "", 400, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Laid page(QString::fromLatin1(c.html), c.width);
        EXPECT_EQ(page.height, c.height) << c.what;
        EXPECT_EQ(page.scrollWidth, c.scrollWidth) << c.what;
        EXPECT_EQ(page.charCount, c.chars) << c.what;
        EXPECT_EQ(page.list.Len, c.chars) << c.what;
    }
}

TEST(Layout, SectionsTakePositionsAndTopsInDocumentOrder) {
    const Laid page(QStringLiteral("aaa bbb<P>cc"), 35);
    const TSection& first = page.text(0);
    const TSection& second = page.text(1);
    EXPECT_EQ(first.StartPos, 0);
    EXPECT_EQ(second.StartPos, 7);
    EXPECT_EQ(first.TopY, 0);
    EXPECT_EQ(second.TopY, 34 + 14);
    int top = -1, index = -1;
    EXPECT_EQ(page.list.FindSectionAtPosition(47, top, index)->KindName(), std::string("ParagraphSpace"));
    EXPECT_EQ(page.list.FindSectionAtPosition(48, top, index), &second);
    EXPECT_EQ(top, 48);
    EXPECT_EQ(page.list.GetSectionTop(index), 48);
    EXPECT_EQ(page.list.FindSectionAtPosition(48 + 17, top, index), nullptr);
}

TEST(Layout, MinMaxWidth) {
    struct Case {
        std::string html;
        int min, max;
    };
    const Case cases[] = {
        {"aaa bbbbb cc", 35, 84},
        {"<UL><LI>aa bbb</UL>", 21 + 35, 42 + 35},
        // An empty item keeps its level's indent, as a table column must.
        {"<UL><UL><UL><UL><LI></UL></UL></UL></UL>", 4 * 35, 4 * 35},
        {"x<IMG SRC=none.gif>y z", 7 + 27 + 7, 7 + 27 + 21},
        // Words that run across changes of font are measured part by part.
        {"a<B>bbbb</B>c dd", 7 + 32 + 7, 7 + 32 + 28},
        {"aaaa <B>b</B> <I>cc</I>ddd", 14 + 21, 35 + 8 + 7 + 14 + 21},
        {"<B>bb </B>ccccc<B> b</B>", 35, 24 + 35 + 16},
        {"<PRE>a b</PRE>", 18, 18},
        {"<PRE>" + std::string(100, 'x') + "</PRE>", 500, 600},
    };
    for (const Case& c : cases) {
        Laid page(QString::fromStdString(c.html), 400);
        int min = -1, max = -1;
        page.list.MinMaxWidth(page.canvas, min, max);
        EXPECT_EQ(min, c.min) << c.html;
        EXPECT_EQ(max, c.max) << c.html;
    }
}

TEST(HitTest, LinkUnderThePoint) {
    Laid page(QStringLiteral("<UL><LI>aa <A HREF=\"x.htm\">link</A> bb</UL>"), 400);
    struct Case {
        int x, y;
        const char* url; // nullptr: no link
    };
    // The text starts at the indent, 35; "aa " is 21 wide.
    const Case cases[] = {{35 + 21, 5, "x.htm"}, {35 + 48, 16, "x.htm"}, {35 + 20, 5, nullptr},
                          {20, 5, nullptr},      {35 + 70, 5, nullptr},  {35 + 21, 17, nullptr}};
    for (const Case& c : cases) {
        QString url;
        const bool found = page.list.GetURL(page.canvas, c.x, c.y, url);
        EXPECT_EQ(found, c.url != nullptr) << c.x << ',' << c.y;
        EXPECT_EQ(url, c.url ? QString::fromLatin1(c.url) : QString());
    }
}

TEST(HitTest, CursorFromAPointAndBack) {
    // Lines "abcd " and "efgh" of a section that starts at position 3, below a paragraph space.
    Laid page(QStringLiteral("xyz<P>abcd efgh"), 35);
    const int top = 17 + 14;
    struct Case {
        int x, y;
        int position, caretX, lineTop;
    };
    const Case cases[] = {
        {10, top + 20, 3 + 5 + 1, 7, top + 17},  // left of the middle of "f"
        {11, top + 20, 3 + 5 + 2, 14, top + 17}, // right of it
        {0, top + 1, 3, 0, top},
        {200, top + 1, 3 + 5, 35, top}, // past the end of the line: after its last character
    };
    for (const Case& c : cases) {
        int x = -1, y = -1, h = -1;
        EXPECT_EQ(page.list.FindCursor(page.canvas, c.x, c.y, x, y, h), c.position) << c.x << ',' << c.y;
        EXPECT_EQ(x, c.caretX);
        EXPECT_EQ(y, c.lineTop);
        EXPECT_EQ(h, 17);
    }
    struct Back {
        int position, x, y;
    };
    // The character's top-left; position 8 starts the second line, 12 is past the end.
    const Back back[] = {{1, 7, 0}, {3, 0, top}, {7, 28, top}, {8, 0, top + 17}, {10, 14, top + 17}, {12, -1, -1}};
    for (const Back& b : back) {
        int x = -1, y = -1;
        EXPECT_EQ(page.list.CursorToXY(page.canvas, b.position, x, y), b.x >= 0) << b.position;
        if (b.x >= 0) {
            EXPECT_EQ(x, b.x) << b.position;
            EXPECT_EQ(y, b.y) << b.position;
        }
    }
    int x = 0, y = 0, h = 0;
    EXPECT_EQ(page.list.FindCursor(page.canvas, 5, top - 2, x, y, h), -1) << "in the paragraph space";
}

TEST(HitTest, CursorLeftOfAnIndentedLineIsNowhere) {
    Laid page(QStringLiteral("<UL><LI>abc</UL>"), 400);
    int x = 0, y = 0, h = 0;
    EXPECT_EQ(page.list.FindCursor(page.canvas, 30, 5, x, y, h), -1);
    EXPECT_EQ(page.list.FindCursor(page.canvas, 36, 5, x, y, h), 0);
}

TEST(HitTest, FindString) {
    Laid page(QStringLiteral("Hello world<P>hello World"), 400);
    struct Case {
        int from;
        const char* text;
        bool matchCase;
        int at;
    };
    const Case cases[] = {
        {0, "hello", true, 11},        {0, "hello", false, 0}, {1, "HELLO", false, 11}, {0, "World", true, 17},
        {0, "world hello", false, -1}, // matches never span sections
        {12, "hello", false, -1},      {0, "", false, -1},     {-5, "Hello", true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(page.list.FindString(c.from, QLatin1String(c.text), c.matchCase), c.at)
            << c.from << ' ' << c.text << ' ' << c.matchCase;
}

namespace {

// A control with a window of a fixed size, as the forms' widget layer will give.
class FakeControl : public TFormControlObj {
public:
    FakeControl(TSectionList* master, int pos, QSize size, bool baseline, QStringList& log)
        : TFormControlObj(master, pos, {}), size_(size), log_(log) {
        BaseLine = baseline;
    }
    const char* KindName() const override { return "Fake"; }
    int ControlWidth() const override { return size_.width(); }
    int ControlHeight() const override { return size_.height(); }
    void HideControl() override { log_ << QStringLiteral("hide %1").arg(Pos); }
    void ShowControlAt(int x, int y) override { log_ << QStringLiteral("show %1 at %2,%3").arg(Pos).arg(x).arg(y); }

private:
    QSize size_;
    QStringList& log_;
};

} // namespace

TEST(Layout, FormControlsTakeTheirSizeInTheLine) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    TMyFont font;
    font.name = list.FontName;
    font.SetNominalSize(list, 12);
    QStringList log;
    // A check box standing on the baseline, then an edit box standing on the band's bottom.
    FakeControl box(&list, 1, QSize(13, 13), true, log), edit(&list, 3, QSize(50, 25), false, log);
    auto section = makeModel<TSection>(list.Pool, list, 0, Justification::Left, QString(), font, 0);
    section->AddText(u"a\x02"
                     u"b\x02");
    section->MakeObjects().FormControls = {&box, &edit};
    TSection& s = *section;
    list.Add(std::move(section));

    int width = 0, pos = 0;
    EXPECT_EQ(list.DoLogic(canvas, 0, 400, width, pos), 25);
    EXPECT_EQ(log, (QStringList{"hide 1", "hide 3"}));
    log.clear();
    list.Draw(canvas, QRect(0, 0, 400, 100), 400, 0, 0);
    // The band's bottom is at 25 and the baseline 3 above it.
    EXPECT_EQ(log, (QStringList{"show 1 at 7,9", "show 3 at 27,0"}));

    // Too narrow for the edit box: the line breaks before it.
    EXPECT_EQ(list.DoLogic(canvas, 0, 40, width, pos), 17 + 25);
    ASSERT_EQ(s.LineRecs.Count(), 2);
    EXPECT_EQ(s.LineRecs.Item(0)->CharCount, 3);
    EXPECT_EQ(width, 50);
}

TEST(Layout, PreformattedTextWrapsOnlyPastTheNoWrapWidth) {
    // 6000 characters of 6 pixels: 36000 pixels, more than preformatted text
    // is ever laid out in. The 5333 that fit end in a word whose space goes with it.
    const Laid page(QStringLiteral("a<PRE>") + QStringLiteral("xxxxx ").repeated(1000) + QStringLiteral("</PRE>"), 100);
    const TSection& pre = page.text(1);
    ASSERT_EQ(pre.LineRecs.Count(), 2);
    EXPECT_EQ(pre.LineRecs.Item(0)->CharCount, 5334);
    EXPECT_EQ(pre.StartPos, 1);
    EXPECT_EQ(page.charCount, 6001);
    EXPECT_EQ(page.height, 17 + 2 * 13);
    EXPECT_EQ(page.scrollWidth, 36000);
}

TEST(Layout, FitCountIsTheLongestPrefixThatFits) {
    // Stretches short and long (past the length tried whole), italic overhangs, bold and large runs.
    const QString words = QStringLiteral("lorem ipsum dolor sit amet ").repeated(20);
    Laid page(QStringLiteral("<I>ab</I>cd <B>efg</B>") + words + QStringLiteral("<FONT SIZE=6>HI</FONT>") + words +
                  QStringLiteral("<I>") + words + QStringLiteral("</I>"),
              400);
    const TSection& s = page.text();
    for (const int start : {0, 3, 11, 40, 600}) {
        for (int width = 0; width < 3000; width += 37) {
            int expected = 0;
            while (start + expected < s.Len && s.RunWidth(page.canvas, start, expected + 1) <= width)
                ++expected;
            ASSERT_EQ(s.FitCount(page.canvas, width, s.Len, start), expected) << start << ' ' << width;
        }
    }
    EXPECT_EQ(s.FitCount(page.canvas, 1000, 5, 0), 5) << "never more than Max";
}

TEST(Layout, APageTallerThan32767PixelsIsLaidOutWhole) {
    Laid page(QStringLiteral("line<BR>").repeated(3000) + QStringLiteral("last"), 400);
    EXPECT_EQ(page.height, 3001 * 17);
    int top = 0, index = 0;
    const TSectionBase* s = page.list.FindSectionAtPosition(3000 * 17 + 5, top, index);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(static_cast<const TSection*>(s)->TextBuffer().toString(), "last");
    EXPECT_EQ(top, 51000);
    EXPECT_EQ(page.list.GetSectionTop(index), 51000);
    int x = 0, y = 0;
    ASSERT_TRUE(page.list.CursorToXY(page.canvas, 3000 * 4 + 2, x, y));
    EXPECT_EQ(y, 51000);
    EXPECT_EQ(page.draw(400, QRect(0, 51000, 400, 100)), QStringList{"text 0,51002 12 #000000 \"last\""});
}
