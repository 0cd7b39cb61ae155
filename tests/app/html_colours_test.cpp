// The colouring rules: what the editor colours in a page, read as the viewer reads it.
#include "html_colours.h"

#include "parse/lexical_map.h"
#include "text_file.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

// One letter per character: t tag, n attribute name, v attribute value,
// e entity, c comment, . not coloured.
QString mask(QStringView line, const std::vector<ColouredRange>& ranges) {
    QString out(line.size(), u'.');
    static constexpr char16_t kLetters[] = u"tnvec";
    for (const ColouredRange& r : ranges)
        for (int i = r.start; i < r.start + r.length; ++i)
            out[i] = kLetters[int(r.colour)];
    return out;
}

// Lines read one after the other, each mask one per line.
QStringList masks(const QStringList& lines) {
    QStringList out;
    HtmlReading reading;
    for (const QString& line : lines) {
        const HtmlLineColours colours = colourHtmlLine(line, reading);
        out << mask(line, colours.ranges);
        reading = colours.after;
    }
    return out;
}

struct Case {
    const char* what;
    QStringList lines;
    QStringList expected;
};

TEST(HtmlColours, ColourTheMarkupAsTheViewerReadsIt) {
    const Case cases[] = {
        {"a tag with a quoted value and a text", {R"(<A HREF="x.htm">link</A>)"}, {R"(tt.nnnntvvvvvvvt....tttt)"}},
        {"quoted, unquoted, numeric with % and bare values",
         {R"(<IMG SRC='a b.gif' ALT=hi WIDTH=50 % BORDER>)"},
         {R"(tttt.nnntvvvvvvvvv.nnntvv.nnnnntvv.v.nnnnnnt)"}},
        {"character references the viewer turns into characters, and what it keeps as written",
         {"a &amp; &AMP; &#65; &#0065; &nbsp &eacute;x &#; &notit; &#x1F600 & &bogus;"},
         {"..eeeee.eeeee.eeeee.eeeeeee.eeeee.eeeeeeee......eeee....eeeeeeee.........."}},
        {"a comment ends at its first -->, a declaration at its first >",
         {"<!-- a > b -->c<!DOCTYPE x>y<!-->z"},
         {"cccccccccccccc.cccccccccccc.ccccc."}},
        {"a < in text opens a tag that runs to the next >", {"a < b and c > d"}, {"..t.n.nnn.n.t.."}},
        {"a > inside a quoted value ends the value and the tag", {R"(<IMG ALT="a>b">x)"}, {R"(tttt.nnntvvt....)"}},
        {"a heading's attributes follow its digit", {"<H1 ALIGN=center>x</H1>"}, {"ttt.nnnnntvvvvvvt.ttttt"}},
        {"a number ends at a letter that is no hex digit, which starts another attribute",
         {"<TD WIDTH=50px>"},
         {"ttt.nnnnntvvnnt"}},
        {"<! inside a tag is a comment too, and the tag goes on after it", {"<A HREF=x<!y>z>t"}, {"tt.nnnntvccccvt."}},
        {"a tag, a value and a comment over several lines",
         {"<IMG", "  SRC=\"long", "name.gif\" ALT=x>text <!-- note", "still --> after"},
         {"tttt", "..nnntvvvvv", "vvvvvvvvv.nnntvt.....ccccccccc", "ccccccccc......"}},
        {"a line break ends an unquoted value", {"<A HREF=x", "NAME=y>"}, {"tt.nnnntv", "nnnntvt"}},
        {"inside a TEXTAREA only its end tag and character references are markup",
         {"<TEXTAREA ROWS=2><B>&amp;</B>", "</textareax> </TEXTAREA >x &amp;"},
         {"ttttttttt.nnnntvt...eeeee....", ".............tttttttttt.t..eeeee"}},
        {"inside a SCRIPT or STYLE only its end tag is markup",
         {"<SCRIPT>if (a<b) x='<!--&amp;'</scripts>", "</SCRIPT >&amp;<style>", "<b></style/>"},
         {"tttttttt................................", "tttttttt.teeeeettttttt", "...ttttttttt"}},
        {"a TEXTAREA end tag outside a text area changes nothing",
         {"</TEXTAREA><B>&lt;</B>"},
         {"tttttttttttttteeeetttt"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(masks(c.lines), c.expected) << c.what;
}

TEST(HtmlColours, ALongLineCutIntoPiecesReadsAsTheWholeLine) {
    // The editor shows a long line in pieces with no line break between them:
    // wherever the cut falls, the reading after the pieces is the whole line's.
    const QStringList lines = {
        R"(<P ALIGN=center>a &amp; b <!-- c > d <IMG SRC="x y.gif" WIDTH=40% ALT='q'> <H2 X=1>t</H2>)",
        R"(<TEXTAREA>a <b> </textarea><A HREF=x<!y>z>t <B)",
        R"(x < y <! z > w)",
        R"(<!-- a -- > --->b<SCRIPT>a<b </scrip </script x>y<style>q</STYLE/>)",
    };
    for (const QString& line : lines) {
        const HtmlReading whole = readHtmlLine(line, {});
        for (int cut = 0; cut <= line.size(); ++cut) {
            const HtmlReading middle = readHtmlLine(QStringView(line).left(cut), {}, false);
            EXPECT_EQ(readHtmlLine(QStringView(line).mid(cut), middle), whole) << line.toStdString() << " cut " << cut;
            // The colours need no reading of their own: they end in the same place.
            EXPECT_EQ(colourHtmlLine(line, {}).after, whole);
        }
    }
}

// Over every sample page: where the editor colours a comment, a tag or a
// character reference, the viewer reads one, and each comment and character
// reference the viewer reads is coloured so.
TEST(HtmlColours, AgreeWithTheViewerOnEverySamplePage) {
    int pages = 0;
    for (const char* folder : {"examples/viewer", "tests/viewer/reference", "fuzz/corpus"}) {
        const QDir dir(QString::fromUtf8(ZORVEL_SOURCE_DIR) + u'/' + QLatin1String(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files)) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = decodeText(file.readAll()).text;
            ++pages;
            // The viewer's reading, one letter per character; a comment inside a tag is a comment.
            const LexicalMap map = lexicalMapOf(text);
            QString read(text.size(), u'.');
            for (const LexicalRange::Kind kind : {LexicalRange::Tag, LexicalRange::Reference, LexicalRange::Comment})
                for (const LexicalRange& r : map.ranges)
                    if (r.kind == kind)
                        for (int i = r.start; i < r.end; ++i)
                            read[i] = u"cte"[kind]; // Comment, Tag, Reference
            HtmlReading reading;
            int lineNumber = 0;
            for (qsizetype start = 0; start < map.readTo;) {
                qsizetype end = start;
                while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
                    ++end;
                const QStringView line = QStringView(text).sliced(start, end - start);
                const HtmlLineColours colours = colourHtmlLine(line, reading);
                reading = colours.after;
                ++lineNumber;
                const QString coloured = mask(line, colours.ranges).replace(u'n', u't').replace(u'v', u't');
                for (qsizetype i = 0; i < line.size() && start + i < map.readTo; ++i) {
                    const QChar viewer = read[start + i], editor = coloured[i];
                    const bool agree = editor == u'.' ? viewer == u'.' || viewer == u't' : viewer == editor;
                    ASSERT_TRUE(agree) << name.toStdString() << ":" << lineNumber << ":" << i + 1 << " viewer "
                                       << char(viewer.unicode()) << ", editor " << char(editor.unicode()) << "\n"
                                       << line.toString().toStdString();
                }
                start = end + (text.mid(end, 2) == QLatin1String("\r\n") ? 2 : 1);
            }
        }
    }
    EXPECT_GE(pages, 60);
}

} // namespace
