#include "links.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(ComposeUrl, ProtocolDomainAndFileAreJoinedAsTheFieldsAllow) {
    struct Case {
        const char* protocol;
        const char* domain;
        const char* file;
        const char* url;
    } cases[] = {
        {"ftp", "server/docs", "index.htm", "ftp://server/docs/index.htm"},
        {"ftp", "", "index.htm", "ftp://index.htm"},
        {"", "server/docs", "index.htm", "index.htm"},
        {"   ", "server", "a.htm", "a.htm"},
        {"mailto", "me@x.org", "", "mailto://me@x.org/"},
        {"http", "www.x.org", "  page.htm  ", "http://www.x.org/page.htm"},
        {" http", " www", "", " http:// www/"},
        {"http", "", "   ", "http://"},
        {"", "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(composeUrl(c.protocol, c.domain, c.file), c.url) << c.protocol << "|" << c.domain << "|" << c.file;
}

TEST(SplitUrl, AddressIsSplitAtDoubleSlashAndItsLastSlash) {
    struct Case {
        const char* address;
        const char* protocol;
        const char* domain;
        const char* file;
    } cases[] = {
        {"ftp://server/a/b.htm", "ftp", "server/a", "b.htm"}, {"ftp://server", "ftp", "server", ""},
        {"http://www.x.org/", "http", "www.x.org", ""},       {"//host/f", "", "host", "f"},
        {"file:///c/x.htm", "file", "/c", "x.htm"},           {"news:://a", "news:", "a", ""},
    };
    for (const auto& c : cases) {
        const auto parts = splitUrl(c.address);
        ASSERT_TRUE(parts) << c.address;
        EXPECT_EQ(parts->protocol, c.protocol) << c.address;
        EXPECT_EQ(parts->domain, c.domain) << c.address;
        EXPECT_EQ(parts->file, c.file) << c.address;
    }
    EXPECT_FALSE(splitUrl("mailto:me@x.org"));
    EXPECT_FALSE(splitUrl("page.htm"));
}

TEST(SplitUrl, ComposingTheSplitFieldsGivesTheAddressBack) {
    for (const char* address : {"ftp://server/a/b.htm", "http://www.x.org/docs/index.htm"}) {
        const auto p = splitUrl(address);
        ASSERT_TRUE(p);
        EXPECT_EQ(composeUrl(p->protocol, p->domain, p->file), address);
    }
}

TEST(LinkTexts, NamesAndAddressesAreQuotedAndTheMemoFollowsUnchanged) {
    EXPECT_EQ(externalLinkText("http://x/", ""), "<A HREF=\"http://x/\"></A>");
    EXPECT_EQ(externalLinkText("", "a\r\nb"), "<A HREF=\"\">a\r\nb</A>");
    EXPECT_EQ(bookMarkText("top", " Top "), "<A NAME =\"top\"> Top </A>");
    EXPECT_EQ(bookMarkLinkText("top", "up"), "<A HREF =\"#top\">up</A>");
    // Addresses and names are escaped in their quotes; the text shown is markup.
    EXPECT_EQ(externalLinkText("find?q=a&n=\"2\"", "<B>Ham</B> & eggs"),
              "<A HREF=\"find?q=a&amp;n=&quot;2&quot;\"><B>Ham</B> & eggs</A>");
    EXPECT_EQ(bookMarkText("na\"me<x>", ""), "<A NAME =\"na&quot;me&lt;x&gt;\"></A>");
    EXPECT_EQ(bookMarkLinkText("R&D", "<I>R&D</I>"), "<A HREF =\"#R&amp;D\"><I>R&D</I></A>");
}

TEST(AddBookMark, NamesGoInCaseBlindOrderAndACaseVariantIsNotAddedAgain) {
    QStringList list;
    for (const char* name : {"Zeta", "alpha", "Beta", "ALPHA", "gamma", "beta", "Alpha2"})
        addBookMark(list, name);
    EXPECT_EQ(list, QStringList({"alpha", "Alpha2", "Beta", "gamma", "Zeta"}));
    EXPECT_TRUE(containsBookMark(list, "ZETA"));
    EXPECT_FALSE(containsBookMark(list, "Zet"));
}

TEST(AddBookMark, AccentedNamesAreNotTakenForTheirPlainLetters) {
    QStringList list;
    addBookMark(list, QString::fromUtf8("r\u00e9sum\u00e9"));
    addBookMark(list, "resume");
    addBookMark(list, QString::fromUtf8("R\u00c9SUM\u00c9"));
    EXPECT_EQ(list.size(), 2);
}
