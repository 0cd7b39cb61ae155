#include "links.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace zorvel;

TEST(BookmarkScan, NamesOfEveryFormAreFoundSortedAndTheirQuotesAndHashDropped) {
    struct Case {
        const char* text;
        QStringList names;
    } cases[] = {
        {"<A NAME=\"top\">x</A> text < A NAME =\"end\">y</A>", {"end", "top"}},
        {"<A NAME =\"b\"> <A NAME=\"a\"> < A NAME=\"c\">", {"a", "b", "c"}},
        {"<A NAME=\"Top\"></A><A NAME=\"top\"></A>", {"Top"}},
        {"<a name=\"low\"></a><A name=\"x\">", {}},
        {"<A NAME=plain>", {"plain"}},
        {"<A NAME= \"spaced\">", {""}},
        {"<A NAME=\"#frag\">", {"frag"}},
        {"<A NAME=#frag>", {"frag"}},
        {"<A NAME=\"open>", {"open"}},
        {"<A NAME=\"a\" TITLE=\"t\">", {"a"}},
        {"<A NAME=\"no close", {}},
        {"", {}},
        {"no anchors at all", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scanBookMarks(QString::fromLatin1(c.text)), c.names) << c.text;
}

TEST(BookmarkScan, ANameTheLinksDialogWroteComesBackAsTyped) {
    const QStringList typed = {"R&D", "na\"me<x>", "&amp;", "plain"};
    QString page;
    for (const QString& name : typed)
        page += bookMarkText(name, "x") + "\r\n";
    QStringList expected = typed;
    std::sort(expected.begin(), expected.end(), bookMarkLess);
    EXPECT_EQ(scanBookMarks(page), expected);
    // Other entities are none of ours and stay as written.
    EXPECT_EQ(scanBookMarks("<A NAME=\"a&nbsp;b&c\">"), QStringList{"a&nbsp;b&c"});
}

TEST(BookmarkScan, ANameWithoutItsClosingBracketTakesTheNextAnchorsTextWithIt) {
    // The name runs to the next ">", wherever that is; the scan then goes on
    // from just after the first anchor's "=".
    EXPECT_EQ(scanBookMarks("<A NAME=one <A NAME=two>"), QStringList({"one <A NAME=two", "two"}));
}

TEST(BookmarkScan, ShortFormsAreOnlyFoundWithin32000CharactersOfTheScanPoint) {
    const QString gap(32000, QLatin1Char('x'));
    const QString nearGap(31999, QLatin1Char('x'));
    // Offset exactly 32000 is too far; 31999 is near enough.
    EXPECT_EQ(scanBookMarks(gap + "<A NAME=\"far\">"), QStringList());
    EXPECT_EQ(scanBookMarks(nearGap + "<A NAME=\"near\">"), QStringList({"near"}));
    EXPECT_EQ(scanBookMarks(gap + "<A NAME =\"far\">"), QStringList());
    EXPECT_EQ(scanBookMarks(gap + "< A NAME=\"far\">"), QStringList());
    // The spaced form is found at any distance, and the scan stops at the first gap.
    EXPECT_EQ(scanBookMarks(gap + gap + "< A NAME =\"spaced\">"), QStringList({"spaced"}));
    EXPECT_EQ(scanBookMarks("<A NAME=\"a\">" + gap + "<A NAME=\"b\">" + "<A NAME=\"c\">"), QStringList({"a"}));
    // The distance counts from the scan point, which is the last name read.
    EXPECT_EQ(scanBookMarks("<A NAME=\"a\">" + nearGap.left(31990) + "<A NAME=\"b\">"), QStringList({"a", "b"}));
    // A spaced anchor far away still lets a nearer short form win.
    EXPECT_EQ(scanBookMarks(gap + "<A NAME=\"short\">" + "< A NAME =\"spaced\">"), QStringList({"short", "spaced"}));
}

TEST(BookmarkScan, AnEmptyTextLeavesTheDocumentsListAlone) {
    QStringList list{"kept"};
    findAllBookMarks(QString(), list);
    EXPECT_EQ(list, QStringList({"kept"}));
    findAllBookMarks("<A NAME=\"new\">", list);
    EXPECT_EQ(list, QStringList({"new"}));
}

TEST(BookmarkScan, ManyAnchorsAreAllFoundInOrder) {
    QString text;
    QStringList expected;
    for (int i = 0; i < 20000; ++i) {
        const QString name = QStringLiteral("n%1").arg(i, 5, 10, QLatin1Char('0'));
        text += QStringLiteral("<P>para <A NAME=\"%1\">here</A>\r\n").arg(name);
        expected << name;
    }
    EXPECT_EQ(scanBookMarks(text), expected);
}
