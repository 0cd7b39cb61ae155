#include "remtags_engine.h"

#include <gtest/gtest.h>

#include <random>

namespace zorvel {
namespace {

// The procedure exactly as the command describes it: every pass searches
// again from the very start after each change. Quadratic, for comparison only.
RemoveTagsResult naiveRemoveTags(QString t, const RemoveTagOptions& o) {
    auto exhaust = [&t](const QString& from, const QString& to) {
        for (qsizetype at = t.indexOf(from); at >= 0; at = t.indexOf(from))
            t.replace(at, from.size(), to);
    };
    if (o.breaks) {
        exhaust("<P>", "\r\n");
        exhaust("<BR>", "\r\n");
    }
    for (;;) {
        const qsizetype l = t.indexOf('<');
        if (l < 0)
            break;
        const qsizetype g = t.indexOf('>');
        if (g < 0)
            break;
        if (g < l)
            return {t.mid(g, 10), true};
        t.remove(l, g - l + 1);
    }
    if (o.amp)
        exhaust("&amp;", "&");
    if (o.lt)
        exhaust("&lt;", "<");
    if (o.gt)
        exhaust("&gt;", ">");
    return {t, false};
}

RemoveTagOptions optionsFromBits(int bits) {
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
}

constexpr RemoveTagOptions kNone{};
constexpr RemoveTagOptions kBreaks{true, false, false, false};
constexpr RemoveTagOptions kAmp{false, true, false, false};
constexpr RemoveTagOptions kAmpLt{false, true, true, false};
constexpr RemoveTagOptions kAll{true, true, true, true};

struct Sample {
    const char* name;
    const char* input;
    RemoveTagOptions options;
    const char* expected; // the plain text, or the snippet when invalid
    bool invalid;
};

const Sample kSamples[] = {
    {"plain tags", "<B>Hello</B> world", kNone, "Hello world", false},
    {"breaks", "a<P>b<BR>d", kBreaks, "a\r\nb\r\nd", false},
    {"lower-case p is only deleted", "a<p>b", kBreaks, "ab", false},
    {"closing and attributed P deleted", "a</P>b<P class=x>c<BR >d", kBreaks, "abcd", false},
    {"breaks off deletes P", "a<P>b", kNone, "ab", false},
    {"tag ends at the first >", "x <a href='p>q'>y", kNone, "x q'>y", false},
    {"lone < stays", "a < b", kNone, "a < b", false},
    {"unclosed tag after a tag", "a <B>b", kNone, "a b", false},
    {"unclosed rest stays", "a<b>c<d e", kNone, "ac<d e", false},
    {"> before the next <", "<B>x</B> 5 > 3 <I>y</I>", kNone, "> 3 <I>y</", true},
    {"> without any <", "3 > 2", kNone, "3 > 2", false},
    {"> with only a later unclosed <", "3 > 2 <", kNone, "> 2 <", true},
    {"selection starting inside a tag", "B>text<I", kNone, ">text<I", true},
    {"snippet shorter at the end", "<b>a>bc<", kNone, ">bc<", true},
    {"amp alone keeps lt", "&amp;lt;", kAmp, "&lt;", false},
    {"amp then lt", "&amp;lt;", kAmpLt, "<", false},
    {"amp cascade", "&amp;amp;", kAmp, "&", false},
    {"amp cascade after a plain &", "&&amp;amp;amp;x", kAmp, "&&x", false},
    {"no semicolon no change", "&amp &lt &gt", kAll, "&amp &lt &gt", false},
    {"lt without amp option", "&amp;lt;", RemoveTagOptions{false, false, true, false}, "&amp;lt;", false},
    {"decoded brackets are not tags", "&lt;B&gt;x&lt;/B&gt;", kAll, "<B>x</B>", false},
    {"all passes together", "<H1>T&amp;amp;C</H1><P>1 &lt; 2<BR>", kAll, "T&C\r\n1 < 2\r\n", false},
    {"empty", "", kAll, "", false},
};

TEST(RemoveTags, SampleTexts) {
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.name);
        const RemoveTagsResult r = removeTags(QString::fromUtf8(s.input), s.options);
        EXPECT_EQ(r.invalidHtml, s.invalid);
        EXPECT_EQ(r.text, QString::fromUtf8(s.expected));
    }
}

TEST(RemoveTags, PassesAnnouncedInOrder) {
    struct Case {
        RemoveTagOptions options;
        const char* text;
        std::vector<RemoveTagPass> passes;
    };
    using P = RemoveTagPass;
    const Case cases[] = {
        {kNone, "<a>b", {P::Tags}},
        {kAll, "<a>b", {P::LineBreaks, P::Tags, P::Amp, P::Lt, P::Gt}},
        {RemoveTagOptions{false, false, false, true}, "x", {P::Tags, P::Gt}},
        {kAll, "a>b<", {P::LineBreaks, P::Tags}}, // invalid HTML ends the run
    };
    for (const Case& c : cases) {
        std::vector<RemoveTagPass> seen;
        removeTags(c.text, c.options, [&](RemoveTagPass p) { seen.push_back(p); });
        EXPECT_EQ(seen, c.passes) << c.text;
    }
}

TEST(RemoveTags, LengthLimit) {
    QString text(kMaxRemoveTagsText - 3, QLatin1Char('x'));
    text += "<b>";
    ASSERT_EQ(text.size(), 65534);
    EXPECT_EQ(removeTags(text, kNone).text.size(), 65531);
    text += "y";
    EXPECT_THROW(removeTags(text, kNone), TextTooLongError);
    EXPECT_THROW(findSnippet(text, "y"), TextTooLongError);
    text.chop(1);
    EXPECT_EQ(findSnippet(text, "<b>"), std::optional<qsizetype>(65531));
}

TEST(RemoveTags, SnippetLookupAndLine) {
    const QString doc = "<B>x</B>\r\nline two\r\n 5 > 3 <I>y</I>\r\n> 3 <I>y</ again";
    const auto at = findSnippet(doc, "> 3 <I>y</");
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(*at, doc.indexOf("> 3"));
    EXPECT_EQ(textLineOfOffset(doc, *at), 3);
    EXPECT_FALSE(findSnippet(doc, "> 3 <i>y</").has_value()) << "the search is case-sensitive";
    EXPECT_EQ(textLineOfOffset(doc, 0), 1);
    EXPECT_EQ(textLineOfOffset("a\nb\rc\r\nd", 7), 4);
    EXPECT_EQ(textLineOfOffset("a\r\n", 2), 1) << "between CR and LF is still the first line";
}

// Random texts made of the pieces the passes react to, against the
// rescanning procedure, for every combination of options.
TEST(RemoveTags, OnePassEqualsRescanningProcedure) {
    const char* pieces[] = {"<",   ">",     "P",    "BR",   "B", "<P>", "<BR>", "&", "amp;", "amp", "lt;",
                            "gt;", "&amp;", "&lt;", "&gt;", "a", " ",   "\r\n", ";", "</P>", "<B>"};
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int> piece(0, int(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    int invalid = 0;
    for (int round = 0; round < 3000; ++round) {
        QString text;
        for (int n = length(rng); n > 0; --n)
            text += pieces[piece(rng)];
        for (int bits = 0; bits < 16; ++bits) {
            const RemoveTagOptions o = optionsFromBits(bits);
            const RemoveTagsResult expected = naiveRemoveTags(text, o);
            const RemoveTagsResult actual = removeTags(text, o);
            ASSERT_EQ(actual.invalidHtml, expected.invalidHtml) << text.toStdString() << " options " << bits;
            ASSERT_EQ(actual.text, expected.text) << text.toStdString() << " options " << bits;
            invalid += expected.invalidHtml;
        }
    }
    // Both outcomes must have been exercised for the comparison to mean much.
    EXPECT_GT(invalid, 1000);
    EXPECT_LT(invalid, 3000 * 16 - 1000);
}

} // namespace
} // namespace zorvel
