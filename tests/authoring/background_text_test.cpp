#include "background_text.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(ColourText, ComponentsAreTwoLowerCaseHexDigitsRedFirst) {
    EXPECT_EQ(colourText({255, 128, 0}), "ff8000");
    EXPECT_EQ(colourText({0, 0, 0}), "000000");
    EXPECT_EQ(colourText({1, 171, 15}), "01ab0f");
}

TEST(MakeBackgroundText, GroupsAndImageAppearInOrderBehindOneSpace) {
    BackgroundFields all;
    all.textOn = all.backgroundOn = all.linkOn = true;
    EXPECT_EQ(makeBackgroundText(all), "  text =\"000000\" bgcolor=\"ffffff\" link=\"0000ff\" ");

    BackgroundFields bg;
    bg.backgroundOn = true;
    bg.background = {0, 128, 255};
    EXPECT_EQ(makeBackgroundText(bg), " bgcolor=\"0080ff\" ");

    BackgroundFields off;
    off.text = {1, 2, 3};
    EXPECT_EQ(makeBackgroundText(off), "");

    BackgroundFields linkAndImage;
    linkAndImage.linkOn = true;
    linkAndImage.link = {16, 32, 48};
    linkAndImage.imageName = "back.gif";
    EXPECT_EQ(makeBackgroundText(linkAndImage), " link=\"102030\" background=\"back.gif\" ");
}

TEST(MakeBackgroundText, ImageNamesAreLowerCasedOnlyWhereFileNamesIgnoreCase) {
    struct Case {
        const char* name;
        Platform platform;
        const char* text;
    } cases[] = {
        {"D:\\Web\\Back.GIF", Platform::Windows, " background=\"d:\\web\\back.gif\" "},
        {"file:///D|/Web/Back.GIF", Platform::Windows, " background=\"file:///d|/web/back.gif\" "},
        {"\u00c4RGER.GIF", Platform::Windows, " background=\"\u00c4rger.gif\" "},
        {"file:///home/Ann/Back.GIF", Platform::Posix, " background=\"file:///home/Ann/Back.GIF\" "},
        // Escaped in its quotes after lower-casing.
        {"A&B \"1\" <2>.GIF", Platform::Windows, " background=\"a&amp;b &quot;1&quot; &lt;2&gt;.gif\" "},
    };
    for (const auto& c : cases) {
        BackgroundFields f;
        f.imageName = QString::fromUtf8(c.name);
        EXPECT_EQ(makeBackgroundText(f, c.platform), QString::fromUtf8(c.text)) << c.name;
    }
}
