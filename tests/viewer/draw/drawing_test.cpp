// Drawing of laid-out pages, read back from the fixed canvas's record of calls.
#include "layout/layout_helper.h"

using namespace zorvel;
using zorvel::testing::Laid;

namespace {

using Prepare = std::function<void(TSectionList&)>;

Prepare select(int from, int to) {
    return [=](TSectionList& l) {
        l.SelectionStart = from;
        l.SelectionEnd = to;
    };
}

Prepare withBitmap(int w, int h) {
    auto host = std::make_shared<zorvel::testing::PictureHost>(QSize(w, h));
    return [host](TSectionList& l) { l.Host = host.get(); };
}

struct DrawCase {
    const char* what;
    const char* html;
    Prepare prepare;
    QStringList calls;
    int width = 400;
    QRect rect = QRect(0, 0, 2000, 2000);
};

// 12-point text on a 17-pixel line has its baseline at 14 and its top at 2.
const DrawCase kCases[] = {
    {"runs sit side by side on one baseline",
     "ab <B>cd</B>",
     {},
     {"text 0,2 12 #000000 \"ab \"", "text 21,2 12 #000000 \"cd\""}},
    {"superscripts rise by a third of their height, subscripts sink by half their descent plus one",
     "x<SUP>2</SUP>y<SUB>3</SUB>",
     {},
     {"text 0,2 12 #000000 \"x\"", "text 7,1 9 #000000 \"2\"", "text 12,2 12 #000000 \"y\"",
      "text 19,7 9 #000000 \"3\""}},
    {"selected text is inverted",
     "abcd",
     select(3, 1),
     {"text 0,2 12 #000000 \"a\"", "text 7,2 12 #c0c0c0 on #000000 \"bc\"", "text 21,2 12 #000000 \"d\""}},
    {"printed text is black",
     "<A HREF=x>ab</A>",
     [](TSectionList& l) { l.Printing = true; },
     {"text 0,2 12 #000000 \"ab\""}},
    {"an italic run's overhang is shared by its ends",
     "<I>ab</I>c",
     {},
     {"text -1,2 12 #000000 \"ab\"", "text 14,2 12 #000000 \"c\""}},
    {"a list number wider than the indent reaches left of the section",
     "<OL START=123456789><LI>n</OL>",
     {},
     {"text -19,2 12 #000000 \"1234567\"", "text 35,2 12 #000000 \"n\""}},
    {"discs take their colour from the level on the desktop grey",
     "<UL><LI>a<UL><LI>b<UL><LI>c</UL></UL></UL>",
     {},
     {"ellipse 25,7 5x5 #000080 filled", "text 35,2 12 #000000 \"a\"", "ellipse 60,24 5x5 #800000 filled",
      "text 70,19 12 #000000 \"b\"", "ellipse 95,41 5x5 #ff0000 filled", "text 105,36 12 #000000 \"c\""}},
    {"discs are rings in the text colour on a page colour",
     "<BODY BGCOLOR=yellow><UL><LI>a</UL>",
     {},
     {"ellipse 25,7 5x5 #000000", "text 35,2 12 #000000 \"a\""}},
    {"a rule is engraved on the desktop grey",
     "<HR>",
     {},
     {"line 10,12-10,10 #808080", "line 10,10-390,10 #808080", "line 390,10-390,12 #ffffff",
      "line 390,12-10,12 #ffffff"}},
    {"a rule is a line in the text colour on a page colour",
     "<BODY BGCOLOR=white TEXT=red><HR>",
     {},
     {"line 10,10-390,10 #ff0000"}},
    {"a missing image shows the error picture, its ALT text and a frame",
     "<IMG SRC=none.gif ALT=Hi>",
     {},
     {"image 0,2 27x30", "text 29,9 12 #000000 \"Hi\"", "rect 0,1 45x32 #000000"}},
    {"a missing image in a link is framed even with BORDER=0",
     "<A HREF=x><IMG SRC=none.gif BORDER=0></A>",
     {},
     {"image 0,2 27x30", "rect 0,1 27x32 #0000ff"}},
    {"a shown image in a link is framed",
     "<A HREF=x><IMG SRC=a.gif></A>",
     withBitmap(10, 10),
     {"image 0,4 10x10", "rect 0,3 10x12 #0000ff"}},
    {"a shown image with BORDER=0 is not",
     "<A HREF=x><IMG SRC=a.gif BORDER=0></A>",
     withBitmap(10, 10),
     {"image 0,4 10x10"}},
    {"a top-aligned image hangs from the band's top",
     "a<IMG SRC=a.gif ALIGN=top>",
     withBitmap(10, 40),
     {"text 0,2 12 #000000 \"a\"", "image 7,1 10x40"}},
    {"a middle image is centred on the text",
     "a<IMG SRC=a.gif ALIGN=middle>",
     withBitmap(10, 40),
     {"text 0,15 12 #000000 \"a\"", "image 7,3 10x40"}},
    {"preformatted lines are clipped to the width",
     "<PRE>ab</PRE>",
     {},
     {"clip 0,0 400x13", "text 0,1 10 #000000 \"ab\"", "noclip"}},
    {"placeholders with nothing behind them draw nothing",
     "<PRE>a\x04"
     "b\x02"
     "c</PRE>",
     {},
     {"clip 0,0 400x13", "text 0,1 10 #000000 \"a\"", "text 6,1 10 #000000 \"b\"", "text 12,1 10 #000000 \"c\"",
      "noclip"}},
    {"only lines inside the rectangle are drawn",
     "aaaa bbbb cccc",
     {},
     {"text 0,19 12 #000000 \"bbbb \""},
     35,
     QRect(0, 17, 100, 17)},
};

} // namespace

TEST(LayoutDraw, DrawingCalls) {
    for (const DrawCase& c : kCases) {
        Laid page(QString::fromLatin1(c.html), c.width, c.prepare);
        EXPECT_EQ(page.draw(400, c.rect), c.calls) << c.what;
    }
}

TEST(LayoutDraw, PrintClippingNeverCutsALineAtTheBottom) {
    // Lines of 17 pixels; the rectangle ends 8 pixels into the second.
    Laid page(QStringLiteral("aaa bbb<P>ccc"), 35);
    const QRect page1(0, 0, 400, 25);
    EXPECT_EQ(page.draw(400, page1).size(), 2);
    page.list.PrintClipping = true;
    EXPECT_EQ(page.draw(400, page1), QStringList{"text 0,2 12 #000000 \"aaa \""});
    // The next page starts at the line left over.
    EXPECT_EQ(page.draw(400, QRect(0, 17, 400, 48)),
              (QStringList{"text 0,19 12 #000000 \"bbb\"", "text 0,50 12 #000000 \"ccc\""}));
}
