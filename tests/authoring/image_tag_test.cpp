#include "image_tag.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(MakeHTMLPath, DriveLettersAndBackslashesBecomeFileAddresses) {
    struct Case {
        const char* path;
        const char* address;
    } cases[] = {
        {"D:\\images\\logo.gif", "file:///D|/images/logo.gif"},
        {"\\pics\\a.gif", "file:////pics/a.gif"},
        {"logo.gif", "file:///logo.gif"},
        {"  D:\\My Pictures\\a b.gif  ", "file:///D|/My Pictures/a b.gif"},
        {"D : \\ dir \\ x.gif", "file:///D|/dir/x.gif"},
        {"D:x.gif", "file:///D|x.gif"},
        {"C:\\", "file:///C|/"},
        {"", ""},
        {"   ", ""},
        {"ftp://server/a.gif", "ftp://server/a.gif"},
        {"HTTP://Server/A.gif", "HTTP://Server/A.gif"},
        {"mailto:me@x.org", "mailto:me@x.org"},
        {"news:comp.lang", "news:comp.lang"},
        {"Gopher://g", "Gopher://g"},
        {" file:///c|/x.gif ", "file:///c|/x.gif"},
    };
    for (const auto& c : cases) {
        for (Platform p : {Platform::Windows, Platform::Posix})
            EXPECT_EQ(makeHTMLPath(c.path, p), c.address) << c.path;
    }
}

TEST(MakeHTMLPath, AnAbsolutePosixPathBecomesAFileAddressOnPosixOnly) {
    EXPECT_EQ(makeHTMLPath("/home/ann/Pics/logo.gif", Platform::Posix), "file:///home/ann/Pics/logo.gif");
    EXPECT_EQ(makeHTMLPath("/home/ann/logo.gif", Platform::Windows), "file:////home/ann/logo.gif");
}

TEST(MakeImageTag, FieldsAreAddedInTheirFixedOrderAndBlankOnesLeftOut) {
    EXPECT_EQ(makeImageTag({}), "<IMG SRC =\"\" >");

    ImageFields full;
    full.fileName = "logo.gif";
    full.width = "100";
    full.height = "50";
    full.left = true;
    full.top = true;
    full.memo = "Logo";
    EXPECT_EQ(makeImageTag(full), "<IMG SRC =\"logo.gif\" ALIGN=LEFT ALIGN=TOP WIDTH=100 HEIGHT=50 >Logo");

    ImageFields blankBorder;
    blankBorder.border = " ";
    EXPECT_EQ(makeImageTag(blankBorder), "<IMG SRC =\"\" >");
    ImageFields spacedBorder;
    spacedBorder.border = " 2";
    EXPECT_EQ(makeImageTag(spacedBorder), "<IMG SRC =\"\" BORDER= 2 >");

    ImageFields all;
    all.fileName = "a b.gif";
    all.horizontalSpace = "4";
    all.verticalSpace = "x";
    all.right = all.middle = all.bottom = all.textTop = all.absMiddle = all.absBottom = true;
    all.width = "1";
    all.height = "2";
    all.border = "3";
    all.memo = "two\r\nlines";
    EXPECT_EQ(makeImageTag(all),
              "<IMG SRC =\"a b.gif\" HSPACE=4 VSPACE=x ALIGN=RIGHT ALIGN=MIDDLE ALIGN=BOTTOM "
              "ALIGN=TEXTTOP ALIGN=ABSMIDDLE ALIGN=ABSBOTTOM WIDTH=1 HEIGHT=2 BORDER=3 >two\r\nlines");

    // The address is escaped in its quotes; the text after the tag is markup.
    ImageFields odd;
    odd.fileName = "pic.cgi?a=1&b=\"<2>\"";
    odd.memo = "<B>Fig. 1</B> & 2";
    EXPECT_EQ(makeImageTag(odd), "<IMG SRC =\"pic.cgi?a=1&amp;b=&quot;&lt;2&gt;&quot;\" ><B>Fig. 1</B> & 2");
}
