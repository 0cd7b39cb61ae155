#include "external_browser.h"
#include "temp_dir.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

namespace {

// A 32 by 32 icon: transparent, with a red square in the middle.
QIcon redSquareIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(8, 8, 16, 16, Qt::red);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

const BrowserIconSource kRedSquare = [](const QString&) { return redSquareIcon(); };
const BrowserIconSource kNoIcon = [](const QString&) { return QIcon(); };

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}

} // namespace

TEST(BrowserGlyph, IconOnTheButtonFaceSavedAsWindowsBitmap) {
    TempDir tmp;
    const QString glyph = tmp.file(QStringLiteral("browser1.bmp"));
    QString askedFor;
    const BrowserIconSource icons = [&](const QString& path) {
        askedFor = path;
        return redSquareIcon();
    };
    ASSERT_TRUE(makeBrowserGlyph(QStringLiteral("  /usr/bin/web "), glyph, icons));
    EXPECT_EQ(askedFor, QStringLiteral("/usr/bin/web"));

    QImageReader reader(glyph);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(0, 31), buttonFace());
    EXPECT_EQ(image.pixelColor(31, 0), buttonFace()); // transparent parts show the button
}

TEST(BrowserGlyph, WithoutAnIconTheOldGlyphGoesAndNothingReplacesIt) {
    TempDir tmp;
    const QString glyph = tmp.write(QStringLiteral("browser2.bmp"), "old picture");
    EXPECT_FALSE(makeBrowserGlyph(QStringLiteral("/usr/bin/web"), glyph, kNoIcon));
    EXPECT_FALSE(QFile::exists(glyph));

    // A blank path does nothing at all, not even remove the old picture.
    tmp.write(QStringLiteral("browser2.bmp"), "old picture");
    EXPECT_FALSE(makeBrowserGlyph(QStringLiteral("   "), glyph, kRedSquare));
    EXPECT_EQ(tmp.read(QStringLiteral("browser2.bmp")), QByteArray("old picture"));
}

TEST(BrowserGlyph, LoadedGlyphIsTransparentWhereItHasTheBottomLeftColour) {
    TempDir tmp;
    const QString glyph = tmp.file(QStringLiteral("browser1.bmp"));
    ASSERT_TRUE(makeBrowserGlyph(QStringLiteral("/usr/bin/web"), glyph, kRedSquare));
    const QImage shown = loadBrowserGlyph(glyph).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(2, 2)), 0);
    EXPECT_EQ(shown.pixelColor(16, 16), QColor(Qt::red));
    EXPECT_TRUE(loadBrowserGlyph(tmp.file(QStringLiteral("missing.bmp"))).isNull());
}

TEST(BrowserGlyph, TheRealIconSourceEitherMakesAReadableGlyphOrLeavesNone) {
    TempDir tmp;
    const QString program = tmp.write(QStringLiteral("web"), "#!/bin/sh\n");
    const QString glyph = tmp.file(QStringLiteral("browser1.bmp"));
    const bool made = makeBrowserGlyph(program, glyph);
    EXPECT_EQ(made, QFile::exists(glyph));
    if (made) {
        EXPECT_FALSE(QImage(glyph).isNull());
    }
}

TEST(BrowserButtonSetup, StartUpReadsTheSlotMakesAMissingGlyphAndChoosesTheCaption) {
    TempDir tmp;
    const QString dir = tmp.path() + QLatin1Char('/');
    const QString ie = tmp.write(QStringLiteral("IEXPLORE.EXE"), "");
    const QString other = tmp.write(QStringLiteral("web"), "");
    IniProfile ini(tmp.file(QStringLiteral("zor-vel.ini")));

    // Blanks around the stored path are not part of it.
    tmp.write(QStringLiteral("zor-vel.ini"), "[Options]\nBrowser_Address=  " + ie.toUtf8() + "  \n");
    BrowserButtonState one = setupBrowserButton(1, ini, dir, fileExists, kRedSquare);
    EXPECT_TRUE(one.shown);
    EXPECT_EQ(one.path, ie);
    EXPECT_EQ(one.caption, QStringLiteral("Explorer"));
    EXPECT_EQ(one.glyphPath, dir + QStringLiteral("browser1.bmp"));
    EXPECT_TRUE(QFile::exists(one.glyphPath));

    // Browser_Address_2 missing: the second button stays hidden.
    EXPECT_FALSE(setupBrowserButton(2, ini, dir, fileExists, kRedSquare).shown);

    // An existing glyph is kept as it is; the icon is not asked for again.
    tmp.write(QStringLiteral("zor-vel.ini"), "[Options]\nBrowser_Address_2=" + other.toUtf8() + "\n");
    tmp.write(QStringLiteral("browser2.bmp"), "kept");
    BrowserButtonState two = setupBrowserButton(2, ini, dir, fileExists, kNoIcon);
    EXPECT_TRUE(two.shown);
    EXPECT_EQ(two.caption, QString());
    EXPECT_EQ(tmp.read(QStringLiteral("browser2.bmp")), QByteArray("kept"));

    // No icon and no glyph: the button shows the program's name instead of nothing.
    QFile::remove(tmp.file(QStringLiteral("browser2.bmp")));
    two = setupBrowserButton(2, ini, dir, fileExists, kNoIcon);
    EXPECT_TRUE(two.shown);
    EXPECT_TRUE(two.glyphPath.isEmpty());
    EXPECT_EQ(two.caption, QStringLiteral("web"));

    tmp.write(QStringLiteral("zor-vel.ini"), "[Options]\nBrowser_Address=/no/such/browser\n");
    EXPECT_FALSE(setupBrowserButton(1, ini, dir, fileExists, kRedSquare).shown);
}
