// Tokenizer and inline level of the parser: characters, entities, tags,
// attributes, fonts, links and anchors.
#include "parse/parse_helper.h"
#include "parse/parser.h"
#include "text_file.h"

using namespace zorvel;
using zorvel::testing::Parsed;

namespace {

QString firstText(const QString& html) {
    const Parsed p(html);
    const QStringList texts = p.nonEmptyTexts();
    return texts.isEmpty() ? QString() : texts.front();
}

struct TextCase {
    const char* html;
    QString expected;
};

class EntityTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(EntityTest, DecodesOrKeepsAsWritten) {
    EXPECT_EQ(firstText(QString::fromUtf8(GetParam().html)), GetParam().expected) << GetParam().html;
}

// Every name of HTML's table; a few older ones also without their ";", and
// numbers in decimal and hex to any character.
INSTANTIATE_TEST_SUITE_P(
    Entities, EntityTest,
    ::testing::Values(TextCase{"x&amp;y", "x&y"}, TextCase{"&AMP;", "&"}, TextCase{"&nbsp;", QString(QChar(160))},
                      TextCase{"&#65;", "A"}, TextCase{"&#0065;", "A"}, TextCase{"&#7;", QString(QChar(0xFFFD))},
                      TextCase{"&#300;", QString(QChar(300))}, TextCase{"a&#9;b&#10;c", "a b c"},
                      TextCase{"&Agrave;", QString(QChar(192))}, TextCase{"&agrave;", QString(QChar(224))},
                      TextCase{"&yuml;", QString(QChar(255))}, TextCase{"&szlig;", QString(QChar(223))},
                      TextCase{"&copy;&reg;", QString(QChar(169)) + QChar(174)}, TextCase{"&lt;&gt;&quot;", "<>\""},
                      TextCase{"A & B", "A & B"}, TextCase{"&unknown;", "&unknown;"},
                      TextCase{"&abcdefgh;", "&abcdefgh;"}, TextCase{"&#;", "&#;"}, TextCase{"&#x;", "&#x;"},
                      TextCase{"&#x41;&#X6a;", "Aj"}, TextCase{"&#65", "A"}, TextCase{"&amp", "&"},
                      TextCase{"&ampx &copy2019 &notit;", QString::fromUtf8("&x \u00A92019 \u00ACit;")},
                      TextCase{"&rsquo;&ldquo;&ndash;&mdash;&hellip;&bull;&euro;&trade;&rArr;",
                               QString::fromUtf8("\u2019\u201C\u2013\u2014\u2026\u2022\u20AC\u2122\u21D2")},
                      TextCase{"&#8212;&#x40;&#x1F600;&Afr;", QString::fromUtf8("\u2014@\U0001F600\U0001D504")},
                      TextCase{"&NotEqualTilde;", QString::fromUtf8("\u2242\u0338")},
                      TextCase{"&#0;&#xD800;&#x110000;&#99999999999999;&#127;&#129;", QString(6, QChar(0xFFFD))},
                      TextCase{"&#147;&#150;&#128;", QString::fromUtf8("\u201C\u2013\u20AC")}));

class TextRunTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRunTest, NormalisesCharacters) {
    EXPECT_EQ(firstText(QString::fromUtf8(GetParam().html)), GetParam().expected) << GetParam().html;
}

INSTANTIATE_TEST_SUITE_P(
    Characters, TextRunTest,
    ::testing::Values(TextCase{"a \t\r\n  b", "a b"}, TextCase{"a <!-- c --> b", "a b"},
                      TextCase{"a<B> </B> <I> b</I>", "a b"}, TextCase{"<!-- a > b -->c", "c"},
                      TextCase{"a<!-->b<!--->c<!-- x -- y --->d", "abcd"}, TextCase{"<!DOCTYPE html>text", "text"},
                      TextCase{"a<! x -- >b", "ab"},
                      // Scripts and style sheets are never shown; what is for pages without them is.
                      TextCase{"a<SCRIPT>if (a<b) document.write('<P>x</P>')</SCRIPT >b", "ab"},
                      TextCase{"<style type=text/css>p { }</Style>x<script>y</scripts>", "x"},
                      TextCase{"<NOSCRIPT>no scripts</NOSCRIPT>", "no scripts"}, TextCase{"x>y", "xy"},
                      TextCase{"a\x01"
                               "b",
                               "ab"},
                      TextCase{"before\x1A"
                               "after",
                               "before"},
                      TextCase{"a < b", "a "}, TextCase{"caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
                      TextCase{"a b  c d \ne <!--x-->f &amp; g", "a b c d e f & g"},
                      // A tag that keeps no attributes still ends at the first '>' outside "<!".
                      TextCase{"<SPAN TITLE=\"x>y\">z", "y\"z"}, TextCase{"<SPAN TITLE=\"<!-- > -->\">z", "z"}));

} // namespace

TEST(Parser, Latin1FileTextIsDecodedWhenNotUtf8) {
    EXPECT_EQ(decodeText(QByteArray("caf\xE9")).text, QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBFok")).text, QStringLiteral("ok"));
    // An 8-bit page's quotes, dashes and euro sign; a UTF-8 page keeps its characters.
    EXPECT_EQ(viewerText(decodeText(QByteArray("\x93q\x94\x96\x80\x81\xE9"))),
              QString::fromUtf8("\u201Cq\u201D\u2013\u20AC\u0081\u00E9"));
    EXPECT_EQ(viewerText(decodeText(QByteArray("\xC2\x93"))), QString(QChar(0x93)));
}

TEST(Parser, RunsOfParagraphTagsMakeOneSpace) {
    const Parsed p(QStringLiteral("one<P><P>\r\n<P>two<P ALIGN=right>three"));
    EXPECT_EQ(p.kinds(), (QStringList{"Section", "ParagraphSpace", "Section", "ParagraphSpace", "Section"}));
    const auto texts = p.texts();
    EXPECT_EQ(texts.back()->TextBuffer().toString(), "three");
    EXPECT_EQ(texts.back()->Justify, Justification::Right);
}

TEST(Parser, OpenCommentAtEndRaisesAndKeepsWhatWasParsed) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    TNameList names;
    TParseStrings strings;
    try {
        HtmlParseBuffer(list, names, QStringLiteral("<TITLE>t</TITLE>kept<A NAME=x></A> <!-- open"), strings);
        FAIL() << "no parse error";
    } catch (const EParseError& e) {
        EXPECT_STREQ(e.what(), "Open Comment at End of HTML File");
    }
    ASSERT_EQ(list.Count(), 1);
    // The page ends where the comment opens: the text before it is all there.
    EXPECT_EQ(dynamic_cast<TSection*>(list.Item(0))->TextBuffer().toString(), "kept ");
    EXPECT_EQ(strings.Title, "t");
    EXPECT_EQ(names.Find("X"), list.Item(0));
    for (const char* page :
         {"<P>text before<!-- never closed", "<P>text before<!DOCTYPE", "<P>text before<!-- x > y"}) {
        TSectionList cut(canvas);
        EXPECT_THROW(HtmlParseBuffer(cut, names, QString::fromLatin1(page), strings), EParseError) << page;
        EXPECT_EQ(dynamic_cast<TSection*>(cut.Item(cut.Count() - 1))->TextBuffer().toString(), "text before") << page;
    }
}

TEST(Parser, TheOlderEntityNamesStandForWhatTheyDid) {
    // The Latin letters 192..255 in order; 215 and 247 (times, divide) had no name.
    const char* latin[] = {
        "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",
        "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
        "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave",
        "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",
        "igrave", "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",
        "divide", "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
    QString page, expected;
    for (int k = 0; k < 64; ++k) {
        page += QStringLiteral("&%1;").arg(QLatin1String(latin[k]));
        expected += QChar(192 + k);
    }
    EXPECT_EQ(firstText(page + "&amp;&lt;&gt;&quot;&nbsp;&copy;&reg;"),
              expected + "&<>\"" + QChar(160) + QChar(169) + QChar(174));
}

TEST(Parser, OpenCommentInsideTableKeepsTheTable) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    TNameList names;
    TParseStrings strings;
    EXPECT_THROW(HtmlParseBuffer(list, names, QStringLiteral("<TABLE><TR><TD>cell<UL><LI>x <B><!--"), strings),
                 EParseError);
    ASSERT_EQ(list.Count(), 2); // the empty section that stood before the table, and the table
    const auto* table = dynamic_cast<ThtmlTable*>(list.Item(1));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(zorvel::testing::cellText(*table->Rows.Item(0)->Item(0)->Cell), "cellx ");
}

TEST(Parser, AttributeValues) {
    struct Case {
        const char* html;
        AttrKind kind;
        int number;
        const char* text;
    };
    const Case cases[] = {
        {"<TABLE BORDER>", AttrKind::Border, 1, ""},
        {"<TABLE BORDER=0>", AttrKind::Border, 0, "0"},
        {"<TD WIDTH=\"50%\">", AttrKind::Width, 50, "50%"},
        {"<TD WIDTH=50%>", AttrKind::Width, 50, "50"},
        {"<TD WIDTH=50 %>", AttrKind::Width, 50, "50"},
        {"<TD WIDTH='5%0'>", AttrKind::Width, 0, "5%0"},
        {"<FONT SIZE=+1>", AttrKind::Size, 1, "+1"},
        {"<TD SIZE=2a>", AttrKind::Size, 0, "2A"},
        {"<P ALIGN=Center>", AttrKind::Align, 0, "Center"},
        {"<IMG ALT=\"a\r\nb\">", AttrKind::Alt, 0, "ab"},
        {"<A NAME = 'x y'>", AttrKind::Name, 0, "x y"},
        {"<TD COLSPAN=99999999999>", AttrKind::ColSpan, 0, "99999999999"},
        {"<BODY BGCOLOR=#FF00ff>", AttrKind::BgColor, 0, "#FF00ff"},
        {"<BODY TEXT=000080>", AttrKind::Text, 80, "000080"},
        {"<INPUT VALUE=\"<!-- x -->y\">", AttrKind::Value, 0, "y"},
        // Character references are read in values as in text, but for an
        // older name without ";" before "=" or a letter, as in addresses.
        {"<IMG SRC=\"a&amp;b.png\">", AttrKind::Src, 0, "a&b.png"},
        {"<A HREF='?a=1&copy=2&ampx&amp=&amp;c&copy;'>", AttrKind::Href, 0, "?a=1&copy=2&ampx&amp=&c\u00A9"},
        {"<A HREF=x&lt;y&#x1F600;>", AttrKind::Href, 0, "x<y\U0001F600"},
        {"<TD WIDTH=\"&#53;0%\">", AttrKind::Width, 50, "50%"},
        {"<X Foo=1>", AttrKind::Unknown, 1, "1"},
    };
    for (const Case& c : cases) {
        const TAttributeList list = html::HtmlParser::FirstTagAttributes(QString::fromLatin1(c.html));
        ASSERT_EQ(list.size(), 1u) << c.html;
        EXPECT_EQ(list[0].Kind, c.kind) << c.html;
        EXPECT_EQ(list[0].NumericValue, c.number) << c.html;
        EXPECT_EQ(list[0].ValueText, QString::fromUtf8(c.text)) << c.html;
    }
}

TEST(Parser, QuotedValueEndsAtTagEnd) {
    const Parsed p(QStringLiteral("<IMG SRC=x.gif ALT=\"a>b\">"));
    const auto texts = p.texts();
    ASSERT_EQ(texts.size(), 1u);
    ASSERT_EQ(texts[0]->Images().Count(), 1);
    EXPECT_EQ(texts[0]->Images().Item(0)->Alt, "a");
    EXPECT_EQ(texts[0]->TextBuffer().toString(), QString(QChar(kImageChar)) + "b\"");
}

TEST(Parser, FontSizes) {
    struct Case {
        const char* html;
        int nominal;
    };
    const Case cases[] = {
        {"<FONT SIZE=+1>x", 14},
        {"<BASEFONT SIZE=5><FONT SIZE=-1>x", 14},
        {"<FONT SIZE=7>x", 36},
        {"<FONT SIZE=8>x", 12},
        {"<FONT SIZE=\"+1\">x", 14},
        {"<FONT SIZE=-5>x", 12},
        {"<BASEFONT SIZE=2>x", 10},
        {"<H1>x", 24},
        {"<H3>x", 15},
        {"<H6>x", 8},
        {"<H7>x", 12},
        {"<PRE><FONT SIZE=5>x</PRE>", 15},
        {"<TT>x", 10},
        {"<SUB>x", 9},
        {"<TT><SUP>x", 8},
    };
    for (const Case& c : cases) {
        const Parsed p(QString::fromLatin1(c.html));
        const auto texts = p.texts();
        const TSection* s = nullptr;
        for (const TSection* t : texts)
            if (t->TextBuffer().contains(u'x'))
                s = t;
        ASSERT_NE(s, nullptr) << c.html;
        const TFontObj* run = s->Fonts.GetFontObjAt(int(s->TextBuffer().indexOf(u'x')));
        EXPECT_EQ(run->RunFont().NormalSize, c.nominal) << c.html;
        EXPECT_EQ(run->RunFont().size, c.nominal) << c.html; // default size 12 scales by 1
    }
}

TEST(Parser, HeadingLevelZeroKeepsStyleAndHeadingsAreBold) {
    const Parsed p(QStringLiteral("<I><H7>x</H7></I><H2><I>y</I></H2>"));
    const QString d = p.dump();
    EXPECT_TRUE(d.contains("HeadingSpace level=0 height=8")) << d.toStdString();
    EXPECT_TRUE(d.contains("Section level=0 justify=left \"x\"\n  font pos=0 face=\"Times New Roman\" size=12 style=I"))
        << d.toStdString();
    EXPECT_TRUE(d.contains("size=18 style=BI")) << d.toStdString();
    EXPECT_TRUE(d.contains("HeadingSpace level=2 height=12")) << d.toStdString();
}

TEST(Parser, FontRunsFollowStylesLinksAndColours) {
    const Parsed p(
        QStringLiteral("a<B>b<I>c</B>d</I><A HREF=\"x.htm\">e<U>f</U></A>g<FONT COLOR=red FACE=Arial>h</FONT>"
                       "<SUB>i</SUB><SUP>j</SUP>k"));
    const TSection* s = p.texts().at(0);
    EXPECT_EQ(s->TextBuffer().toString(), "abcdefghijk");
    struct Run {
        int pos;
        const char* style;
        const char* face;
        QRgb colour;
        const char* link;
        ScriptShift script;
    };
    const Run expected[] = {
        {0, "-", "Times New Roman", 0x000000, "", ScriptShift::Normal},
        {1, "B", "Times New Roman", 0x000000, "", ScriptShift::Normal},
        {2, "BI", "Times New Roman", 0x000000, "", ScriptShift::Normal},
        {3, "I", "Times New Roman", 0x000000, "", ScriptShift::Normal},
        {4, "U", "Times New Roman", 0x0000FF, "x.htm", ScriptShift::Normal},
        {5, "U", "Times New Roman", 0x0000FF, "x.htm", ScriptShift::Normal},
        {6, "-", "Times New Roman", 0x000000, "", ScriptShift::Normal},
        {7, "-", "Arial", 0xFF0000, "", ScriptShift::Normal},
        {8, "-", "Times New Roman", 0x000000, "", ScriptShift::Sub},
        {9, "-", "Times New Roman", 0x000000, "", ScriptShift::Super},
        {10, "-", "Times New Roman", 0x000000, "", ScriptShift::Normal},
    };
    ASSERT_EQ(s->Fonts.Count(), int(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TFontObj& f = *s->Fonts.Item(int(i));
        QString style;
        if (f.RunFont().bold)
            style += 'B';
        if (f.RunFont().italic)
            style += 'I';
        if (f.RunFont().underline)
            style += 'U';
        EXPECT_EQ(f.Pos, expected[i].pos) << i;
        EXPECT_EQ(style.isEmpty() ? QStringLiteral("-") : style, QLatin1String(expected[i].style)) << i;
        EXPECT_EQ(f.RunFont().name, QLatin1String(expected[i].face)) << i;
        EXPECT_EQ(f.RunFont().color.rgb() & 0xFFFFFF, expected[i].colour) << i;
        EXPECT_EQ(f.LinkURL.toString(), QLatin1String(expected[i].link)) << i;
        EXPECT_EQ(f.ScriptPosition, expected[i].script) << i;
    }
    EXPECT_EQ(s->Fonts.Item(8)->RunFont().NormalSize, 9); // three quarters of 12
}

TEST(Parser, AFullFontStackKeepsEachEndTagToItsOwnFont) {
    // FONT fills the stack; the TT and the link that find no room must not
    // take a FONT's colour off with their ends.
    QString page;
    const int fonts = html::HtmlParser::kMaxFonts - 1; // and the page's own
    for (int i = 0; i < fonts; ++i)
        page += QStringLiteral("<FONT COLOR=red>");
    page += QStringLiteral("<TT>a</TT><A HREF=x>b</A>c");
    for (int i = 1; i < fonts; ++i)
        page += QStringLiteral("</FONT>");
    page += QStringLiteral("d</FONT>e");
    const TSection* s = Parsed(page).texts().at(0);
    QString colours;
    for (int i = 0; i < s->Fonts.Count(); ++i)
        colours += s->Fonts.Item(i)->RunFont().color == Qt::red ? u'r' : u'k';
    EXPECT_EQ(colours.back(), u'k');
    EXPECT_EQ(colours.chopped(1), QString(colours.size() - 1, u'r')) << colours.toStdString();
}

TEST(Parser, BodyAttributesAndDiscardedLeadingText) {
    const Parsed p(
        QStringLiteral("<A NAME=early>junk</A><BODY BGCOLOR=\"#102030\" TEXT=maroon LINK=lime BACKGROUND=\"bg.gif\">"
                       "shown<P><BODY BGCOLOR=white>"));
    EXPECT_EQ(p.nonEmptyTexts(), QStringList{"shown"});
    EXPECT_EQ(p.list.Background, QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(p.list.FontColor, QColor(0x80, 0, 0));
    EXPECT_EQ(p.list.HotSpotColor, QColor(0, 0xFF, 0));
    EXPECT_EQ(p.list.BackgroundBitmapName, "bg.gif");
    EXPECT_EQ(p.texts().at(0)->Fonts.Item(0)->RunFont().color, QColor(0x80, 0, 0));
    // The anchor written before BODY points at the section that replaced its own.
    EXPECT_EQ(p.names.Find("EARLY"), p.list.Item(0));
}

TEST(Parser, TitleBaseAndAnchors) {
    const Parsed p(QStringLiteral("<TITLE>A &amp; B</TITLE><BASE HREF=\"file:///d|/x/\"><BASE HREF=other>"
                                  "<A NAME=Top>t</A><BR><A NAME=\"part2\" HREF=\"#Top\">p</A>"));
    EXPECT_EQ(p.strings.Title, "A & B");
    EXPECT_EQ(p.strings.Base, "file:///d|/x/");
    ASSERT_EQ(p.names.Count(), 2);
    EXPECT_EQ(p.names.Name(0), "TOP");
    EXPECT_EQ(p.names.Name(1), "PART2");
    const auto texts = p.texts();
    EXPECT_EQ(p.names.Find("TOP"), texts.at(0));
    EXPECT_EQ(p.names.Find("PART2"), texts.at(1));
    EXPECT_EQ(p.names.Find("MISSING"), nullptr);
}

TEST(Parser, ContentAfterBodyEndIsNotShown) {
    const Parsed p(QStringLiteral("<BODY>in</BODY>out<P>more"));
    EXPECT_EQ(p.nonEmptyTexts(), QStringList{"in"});
}

TEST(Parser, CenterBreakAndAddress) {
    const Parsed p(QStringLiteral("a<CENTER>b<BR>c</CENTER>d<ADDRESS>e</ADDRESS>f<HR>g"));
    QStringList got;
    for (const auto& s : p.list) {
        if (const auto* t = dynamic_cast<const TSection*>(s.get())) {
            if (!t->TextBuffer().isEmpty())
                got << QStringLiteral("%1:%2%3")
                           .arg(t->TextBuffer().toString())
                           .arg(int(t->Justify))
                           .arg(t->Fonts.Item(0)->RunFont().italic ? "i" : "");
        } else {
            got << QString::fromLatin1(s->KindName());
        }
    }
    EXPECT_EQ(got, (QStringList{"a:1", "b:2", "c:2", "d:1", "e:1i", "f:1", "HorzLine", "g:1"}));
}

// Each non-empty section as "text:justify", and the spaces between them.
TEST(Parser, ParagraphAndBlockEndsAndTheirAlignment) {
    const struct {
        const char* html;
        QStringList expected;
    } cases[] = {
        {"<P ALIGN=right>a<BR>b</P>c", {"ParagraphSpace", "a:3", "b:3", "ParagraphSpace", "c:1"}},
        {"<P>a</P> <P ALIGN=center>b</p>", {"ParagraphSpace", "a:1", "ParagraphSpace", "b:2", "ParagraphSpace"}},
        {"a</P>b<P ALIGN=right>c<UL><LI>d</UL>e", {"ab:1", "ParagraphSpace", "c:3", "d:1", "e:1"}},
        {"<DIV ALIGN=right>a<div align=left>b</DIV>c<DIV>d</DIV></DIV>e</DIV>f",
         {"a:3", "b:1", "c:3", "d:3", "ef:1"}}, // a stray end changes nothing
        {"<P ALIGN=center>a<DIV>b</DIV>c", {"ParagraphSpace", "a:2", "ParagraphSpace", "b:1", "c:1"}},
        {"<H1 ALIGN=right>a</H1>b<H2 align=CENTER>c</H2>",
         {"HeadingSpace", "a:3", "HeadingSpace", "b:1", "HeadingSpace", "c:2", "HeadingSpace"}},
        {"a<NAV>b</NAV>c<FIGURE>d<FIGCAPTION>e</FIGCAPTION></FIGURE>f<SPAN>g</SPAN>",
         {"a:1", "b:1", "c:1", "d:1", "e:1", "fg:1"}},
        {"<DIV ALIGN=right><TABLE><TR><TD>a</TABLE>b</DIV>c", {"Table", "b:3", "c:1"}},
    };
    for (const auto& c : cases) {
        const Parsed p(QString::fromLatin1(c.html));
        QStringList got;
        for (const auto& s : p.list) {
            if (const auto* t = dynamic_cast<const TSection*>(s.get())) {
                if (!t->TextBuffer().isEmpty())
                    got << QStringLiteral("%1:%2").arg(t->TextBuffer().toString()).arg(int(t->Justify));
            } else {
                got << QString::fromLatin1(s->KindName());
            }
        }
        EXPECT_EQ(got, c.expected) << c.html;
    }
}

TEST(Parser, TextLimitAndLongTokens) {
    const QString word(30000, u'w');
    const Parsed p(word);
    const TSection* s = p.texts().at(0);
    // Text runs arrive 100 characters at a time; a section keeps them all.
    EXPECT_EQ(s->TextBuffer(), word);
}

TEST(Parser, DeepNestingIsBounded) {
    QString lists;
    for (int i = 0; i < 5000; ++i)
        lists += QStringLiteral("<UL><LI>x");
    const Parsed deep(lists);
    int maxLevel = 0;
    for (const TSection* t : deep.texts())
        maxLevel = std::max(maxLevel, t->Level);
    EXPECT_EQ(maxLevel, html::HtmlParser::kMaxListDepth);

    QString tables;
    for (int i = 0; i < 5000; ++i)
        tables += QStringLiteral("<TABLE><TR><TD>");
    const Parsed nested(tables + QStringLiteral("end"));
    int depth = 0;
    const TCell* cell = &nested.list;
    for (;;) {
        const ThtmlTable* t = nullptr;
        for (const auto& s : *cell)
            if ((t = dynamic_cast<const ThtmlTable*>(s.get())))
                break;
        if (!t)
            break;
        ++depth;
        cell = t->Rows.Item(0)->Item(0)->Cell.get();
    }
    EXPECT_EQ(depth, html::HtmlParser::kMaxTableDepth);
}
