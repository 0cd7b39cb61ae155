// Which links the viewer follows and the file names they stand for.
#include "load/link_names.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(ViewerLinks, NetworkAddressesAreToldFromLocalNames) {
    struct Case {
        const char* link;
        bool network;
    } const cases[] = {
        {"http://example.com/a.htm", true},
        {"HTTPS://example.com/", true},
        {"mailto:someone", true},
        {"news:comp.lang.c", true},
        {"ftp://host/x.html", true},
        {"file:///home/a.htm", false},
        {"FILE://host/a.htm", false},
        {"d:\\docs\\a.htm", false},
        {"other.htm#part2", false},
        {"#top", false},
        {"dir/a:b.htm", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hasNetworkScheme(QString::fromLatin1(c.link)), c.network) << c.link;
}

TEST(ViewerLinks, ExpandLinkFileNameOnBothPlatforms) {
    struct Case {
        Platform platform;
        const char* link;
        const char* base;
        const char* current;
        const char* expected;
    } const cases[] = {
        {Platform::Windows, "other.htm", "", "d:\\docs\\index.htm", "d:\\docs\\other.htm"},
        {Platform::Windows, "sub/Page.HTM", "", "d:\\docs\\index.htm", "d:\\docs\\sub\\page.htm"},
        {Platform::Windows, "file:///D|/pics/Logo.GIF", "", "c:\\x.htm", "d:\\pics\\logo.gif"},
        {Platform::Windows, "a.htm", "file:///e|/site/", "d:\\docs\\index.htm", "e:\\site\\a.htm"},
        {Platform::Windows, "a.htm", "DosPath", "d:\\docs\\index.htm", "a.htm"},
        {Platform::Posix, "other.htm", "", "/home/m/docs/index.htm", "/home/m/docs/other.htm"},
        {Platform::Posix, "../pics/A.gif", "", "/home/m/docs/index.htm", "/home/m/pics/A.gif"},
        {Platform::Posix, "file:///srv/Site/a.htm", "", "/home/m/index.htm", "/srv/Site/a.htm"},
        {Platform::Posix, "a.htm", "file:///srv/site/index.htm", "/home/m/index.htm", "/srv/site/a.htm"},
        {Platform::Posix, "a.htm", "dospath", "/home/m/index.htm", "a.htm"},
        // No path at all: the links in a page loaded from a text stay as they are.
        {Platform::Posix, "a.htm", "", "", "a.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandLinkFileName(QString::fromLatin1(c.link), QString::fromLatin1(c.base),
                                     QString::fromLatin1(c.current), c.platform),
                  QString::fromLatin1(c.expected))
            << c.link << " from " << c.current;
}

TEST(ViewerLinks, OnlyHtmlFilesAreFollowedAndAHashSplitsTheAnchorOff) {
    EXPECT_TRUE(isHtmlFileName(QStringLiteral("/a/b.HTM")));
    EXPECT_TRUE(isHtmlFileName(QStringLiteral("b.html")));
    EXPECT_FALSE(isHtmlFileName(QStringLiteral("picture.gif")));
    EXPECT_TRUE(isHtmlFileName(QStringLiteral("b.htmlx"))) << "the extension is compared in its first five characters";
    EXPECT_FALSE(isHtmlFileName(QStringLiteral("b.htmx")));
    EXPECT_FALSE(isHtmlFileName(QStringLiteral("a.htm/b")));
    const LinkParts parts = splitAnchor(QStringLiteral("other.htm#part2#x"));
    EXPECT_EQ(parts.file, QStringLiteral("other.htm"));
    EXPECT_EQ(parts.anchor, QStringLiteral("#part2#x"));
}
