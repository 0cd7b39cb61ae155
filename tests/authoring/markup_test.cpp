#include "markup.h"
#include "menu_data.h"
#include "messages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

struct Case {
    int number;
    const char* sel;
    const char* text;
    int caret;
};

void expectCases(const char* what, std::optional<Insertion> (*make)(int, const QString&),
                 std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const auto got = make(c.number, QString::fromUtf8(c.sel));
        ASSERT_TRUE(got.has_value()) << what << " " << c.number;
        EXPECT_EQ(got->text, QString::fromUtf8(c.text)) << what << " " << c.number << " sel=" << c.sel;
        EXPECT_EQ(got->caret, c.caret) << what << " " << c.number << " sel=" << c.sel;
    }
}

} // namespace

TEST(TextFormat, EveryTagWithAnEmptySelectionPutsTheCaretBetweenTheTagsOrPastTheEnd) {
    expectCases("format", textFormatInsertion,
                {
                    {1, "", "<B></B>", 3},
                    {2, "", "<EM></EM>", 4},
                    {3, "", "<U></U>", 3},
                    {4, "", "<STRONG></STRONG>", 8},
                    {5, "", "<HR>\r\n", 7},
                    {6, "", "<BR>\r\n", 7},
                    {7, "", "<P>\r\n", 6},
                    {8, "", "<CODE></CODE>", 6},
                    {9, "", "<KBD></KBD>", 5},
                    {10, "", "<VAR></VAR>", 5},
                    {11, "", "<SAMP></SAMP>", 6},
                    {12, "", "<CITE></CITE>", 6},
                    {13, "", "<BLINK></BLINK>", 7},
                    {14, "", "<CENTER></CENTER>", 8},
                    {15, "", "<FONT></FONT>", 6},
                    {16, "", "&#174;", 7},
                    {17, "", "&#169;", 7},
                    {18, "", "&amp;", 6},
                    {19, "", "&lt;", 5},
                    {20, "", "&gt;", 5},
                });
}

TEST(TextFormat, SelectionsAreWrappedReplacedOrFollowTheMarkup) {
    expectCases("format", textFormatInsertion,
                {
                    {1, "abcd", "<B>abcd</B>", 5},
                    {2, "x", "<EM>x</EM>", 5},
                    {5, "gone", "<HR>\r\n", 7},
                    {6, "a/b", "<BR>\r\na/b", 4},
                    {6, "ab", "<BR>\r\nab", 9},
                    {7, "line\r\nnext", "<P>\r\nline\r\nnext", 16},
                    {17, "x", "&#169;x", 8},
                    {18, "x/y", "&amp;x/y", 4},
                    {14, "\u00e9t\u00e9", "<CENTER>\u00e9t\u00e9</CENTER>", 10},
                });
}

TEST(TextFormat, TagsOutsideOneToTwentyInsertNothing) {
    for (int tag : {-1, 0, 21, 100})
        EXPECT_FALSE(textFormatInsertion(tag, QStringLiteral("x")).has_value()) << tag;
}

TEST(Headings, SixLevelsWrapTheSelectionAndOthersInsertNothing) {
    expectCases("heading", headingInsertion,
                {
                    {1, "", "<H1></H1>", 4},
                    {2, "", "<H2></H2>", 4},
                    {3, "Title", "<H3>Title</H3>", 7},
                    {4, "", "<H4></H4>", 4},
                    {5, "", "<H5></H5>", 4},
                    {6, "ab", "<H6>ab</H6>", 5},
                });
    for (int level : {-1, 0, 7})
        EXPECT_FALSE(headingInsertion(level, QString()).has_value()) << level;
}

TEST(Lists, SkeletonsEndEveryLineWithCrLfAndLeaveTheCaretAtTheStart) {
    expectCases(
        "list", listInsertion,
        {
            {1, "abc", "<OL>\r\n<LI> No 1\r\n<LI> No 2\r\n<LI> No 3\r\n<LI> No 4\r\n</OL>\r\nabc", 0},
            {2, "", "<UL>\r\n<LI> First Line\r\n<LI> Second Line\r\n<LI> Third Line\r\n<LI> Fourth Line\r\n</UL>\r\n",
             0},
            {3, "",
             "<MENU>\r\n<LI> Menu Item 1\r\n<LI> Menu Item 2\r\n<LI> Menu Item 3\r\n<LI> Menu Item "
             "4\r\n</MENU>\r\n",
             0},
            {4, "", "<DIR>\r\n<LI> Directory 1\r\n<LI> Directory 2\r\n</DIR>\r\n", 0},
            {5, "x", "<DL>\r\n<DT> Term <DD> Description of Term \r\n</DL>\r\nx", 0},
        });
    for (int style : {-1, 0, 6})
        EXPECT_FALSE(listInsertion(style, QString()).has_value()) << style;
}

TEST(MailTo, LinkTextIsTheSelectionOrThreeSpaces) {
    EXPECT_EQ(mailToText(QString::fromLatin1(kSubstituteEmailAddress), QString()),
              "<A HREF=\"mailto:Your_Email_Address\">   </A>");
    EXPECT_EQ(mailToText("me@x.org", "write me"), "<A HREF=\"mailto:me@x.org\">write me</A>");
    EXPECT_EQ(mailToText("a&b\"@x.org", "<B>me</B>"), "<A HREF=\"mailto:a&amp;b&quot;@x.org\"><B>me</B></A>");
}

TEST(EscapeMarkup, EachPlaceEscapesWhatWouldEndItAndQuotedValuesComeBackAsTyped) {
    struct Case {
        const char* typed;
        const char* quoted;
        const char* text;
    } cases[] = {
        {"plain", "plain", "plain"},
        {"a&b\"c<d>e", "a&amp;b&quot;c&lt;d&gt;e", "a&amp;b\"c&lt;d&gt;e"},
        {"&amp; &lt;", "&amp;amp; &amp;lt;", "&amp;amp; &amp;lt;"}, // typed entities stay what was typed
        {"<!-- x -->", "&lt;!-- x --&gt;", "&lt;!-- x --&gt;"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeMarkup(c.typed, MarkupPlace::QuotedValue), c.quoted) << c.typed;
        EXPECT_EQ(escapeMarkup(c.typed, MarkupPlace::Text), c.text) << c.typed;
        EXPECT_EQ(unescapeQuotedValue(c.quoted), c.typed) << c.typed;
    }
    EXPECT_EQ(unescapeQuotedValue("&&amp &nbsp; &quot"), "&&amp &nbsp; &quot"); // only whole entities of ours
}

TEST(CommandNumber, ButtonsAndActionsGiveTheirTagComboBoxesTheirIndexOthersMinusOne) {
    QPushButton button;
    button.setProperty("tag", 17);
    QAction action;
    action.setProperty("tag", 4);
    QComboBox combo;
    combo.addItems({"", "H1 Biggest", "H2"});
    combo.setCurrentIndex(2);
    QComboBox emptyCombo;
    QLabel label;
    label.setProperty("tag", 3);
    QPushButton untagged;
    EXPECT_EQ(commandNumber(&button), 17);
    EXPECT_EQ(commandNumber(&action), 4);
    EXPECT_EQ(commandNumber(&combo), 2);
    EXPECT_EQ(commandNumber(&emptyCombo), -1);
    EXPECT_EQ(commandNumber(&label), -1);
    EXPECT_EQ(commandNumber(&untagged), 0);
    EXPECT_EQ(commandNumber(nullptr), -1);
}

TEST(MenuData, EveryTextFormattingItemInsertsItsOwnTagAndSeparatorsInsertNothing) {
    int items = 0;
    for (const MenuEntry& e : kTextFormattingMenu) {
        if (!e.caption) {
            EXPECT_EQ(e.tag, 0);
            EXPECT_FALSE(textFormatInsertion(e.tag, QString()).has_value());
            continue;
        }
        ++items;
        EXPECT_TRUE(textFormatInsertion(e.tag, QString()).has_value()) << e.caption;
        EXPECT_TRUE(QString::fromLatin1(e.caption).contains(QLatin1Char('&'))) << e.caption;
    }
    EXPECT_EQ(items, 15);
    for (const MenuEntry& e : kHeadingsMenu)
        EXPECT_TRUE(headingInsertion(e.tag, QString()).has_value()) << e.caption;
    for (const MenuEntry& e : kListsMenu)
        EXPECT_TRUE(listInsertion(e.tag, QString()).has_value()) << e.caption;
}

TEST(Messages, AddressIsAppendedOnlyWhereTheMessageAsksForIt) {
    EXPECT_EQ(failureText(kHeadingFailure, "s@z"), "Exception error in Heading_Click ..\r\nPlease report error to s@z");
    EXPECT_EQ(failureText(kFindAllBookMarksFailure, "s@z"), "Exception error in Find_All_BookMarks ..");
    EXPECT_EQ(failureText(kBackgroundFailure, "s@z"), "An Error occurred in Background1Click\r\n Please inform s@z ..");
}

TEST(CrLf, MemoLinesBecomeCrLfAndBack) {
    EXPECT_EQ(toCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(fromCrLf("a\r\nb"), "a\nb");
}
