// Image addresses, decoding by extension, the ageing cache and the look-up protocol.
#include "parse/parse_helper.h"
#include "path_rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zorvel;

TEST(ImageNames, UrlToFileName) {
    struct Case {
        Platform platform;
        const char* address;
        const char* file;
    };
    const Case cases[] = {
        {Platform::Windows, "file:///D|/pics/Logo.GIF", "d:\\pics\\logo.gif"},
        {Platform::Windows, "images/a.gif", "images\\a.gif"},
        {Platform::Windows, "LOGO.GIF", "LOGO.GIF"},
        {Platform::Windows, "FILE://server/Share/x.gif", "server\\share\\x.gif"},
        {Platform::Windows, "C:\\Mixed/Path.GIF", "c:\\mixed\\path.gif"},
        {Platform::Posix, "file:///home/u/Logo.GIF", "/home/u/Logo.GIF"},
        {Platform::Posix, "images/a.gif", "images/a.gif"},
        {Platform::Posix, "LOGO.GIF", "LOGO.GIF"},
        {Platform::Posix, "x|y/z", "x|y/z"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(urlToFileName(QString::fromLatin1(c.address), c.platform), QLatin1String(c.file)) << c.address;
}

TEST(ImageNames, FormatByExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"picture.JPEG", "jpeg"}, {"a.jpg", "jpeg"}, {"x.Png", "png"}, {"x.GIF", "gif"},    {"x.bmp", "bmp"},
        {"anim.tiff", ""},        {"noext", ""},     {"dir.d/x", ""},  {"a.jpegx", "jpeg"}, {"a.pn", ""},
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(imageFormatForFile(QString::fromLatin1(name)), QLatin1String(format)) << name;
}

TEST(ImageNames, CacheKeyIsUpperCasedAndCut) {
    EXPECT_EQ(imageCacheKey("a/b.gif"), "A/B.GIF");
    EXPECT_EQ(imageCacheKey(QString(100, u'x')), QString(100, u'X'));
}

class ImageFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const char* format, QSize size = {7, 5}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ImageFiles, LoadsSupportedFormatsAndRefusesOthers) {
    for (const auto& [name, format] :
         {std::pair{"a.png", "PNG"}, {"b.JPEG", "JPEG"}, {"c.bmp", "BMP"}, {"d.jpg", "JPEG"}}) {
        const auto image = loadImageFile(write(QString::fromLatin1(name), format));
        ASSERT_TRUE(image.has_value()) << name;
        EXPECT_EQ(image->size(), QSize(7, 5)) << name;
    }
    EXPECT_FALSE(loadImageFile(write("e.tiff", "PNG")));
    EXPECT_FALSE(loadImageFile(dir.filePath("missing.png")));
    QFile broken(dir.filePath("broken.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_FALSE(loadImageFile(broken.fileName()));
}

TEST_F(ImageFiles, EightBitDisplayGetsThePaletteColours) {
    const auto image = loadImageFile(write("a.png", "PNG"), displayCapabilitiesFor(8));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format(), QImage::Format_Indexed8);
    EXPECT_EQ(image->colorTable().size(), 256);
}

TEST(ImageCache, AgeingAndMaximumAge) {
    TStringBitmapList cache;
    EXPECT_EQ(cache.MaxAge(), 4);
    cache.Add("A", QImage(1, 1, QImage::Format_RGB32));
    cache.Add("B", QImage(2, 2, QImage::Format_RGB32));
    for (int i = 0; i < 4; ++i)
        cache.Age();
    EXPECT_EQ(cache.Count(), 2);
    ASSERT_TRUE(cache.Get("A")); // young again
    EXPECT_EQ(cache.AgeOf("A"), 0);
    cache.Age();
    EXPECT_FALSE(cache.Contains("B"));
    EXPECT_EQ(cache.AgeOf("A"), 1);
    cache.SetMaxAge(0);
    EXPECT_EQ(cache.Count(), 0);
    cache.Add("C", QImage(1, 1, QImage::Format_RGB32));
    cache.Age();
    EXPECT_EQ(cache.Count(), 0); // ImageCacheCount 0: dropped at the next load
    cache.Add("D", QImage(1, 1, QImage::Format_RGB32));
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
}

TEST_F(ImageFiles, SecondLookUpComesFromTheCache) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    const QString path = write("shared.png", "PNG");
    const auto first = list.LookUpImage(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(list.BitmapList.Count(), 1);
    ASSERT_TRUE(QFile::remove(path));
    list.BitmapList.Age(); // the next document
    const auto second = list.LookUpImage(path);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->size(), first->size());
    EXPECT_FALSE(list.LookUpImage(QString()));
    EXPECT_FALSE(list.LookUpImage(dir.filePath("none.png")));
    EXPECT_EQ(list.BitmapList.Count(), 1);
}

TEST_F(ImageFiles, BitmapRequestIsAskedFirstAndItsImageCached) {
    // It answers every request, refusing all but one picture: no file is read.
    struct Host : DocumentHost {
        int asked = 0;
        bool OnBitmapRequest(const QString& name, std::optional<QImage>& bitmap) override {
            ++asked;
            if (name == QLatin1String("given.gif"))
                bitmap = QImage(3, 4, QImage::Format_RGB32);
            return true;
        }
    } host;
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    list.Host = &host;
    write("given.gif.png", "PNG");
    EXPECT_EQ(list.LookUpImage("given.gif")->size(), QSize(3, 4));
    EXPECT_EQ(list.LookUpImage("GIVEN.GIF")->size(), QSize(3, 4)); // same key, from the cache
    EXPECT_FALSE(list.LookUpImage("refused.gif"));
    EXPECT_EQ(host.asked, 2);
}

TEST_F(ImageFiles, LongAddressesAreNotCut) {
    // Every name stands for one file.
    struct Host : DocumentHost {
        QString file;
        QString ExpandImageName(const QString&) override { return file; }
    } host;
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    list.Host = &host;
    host.file = write(QString(120, u'p') + ".png", "PNG");
    EXPECT_TRUE(list.LookUpImage("anything"));
    // Two names alike in their first 80 characters are two images.
    const QString longA = QString(80, u'a') + "1.png";
    const QString longB = QString(80, u'a') + "2.png";
    list.BitmapList.Add(imageCacheKey(longA), QImage(9, 9, QImage::Format_RGB32));
    host.file = dir.filePath("absent.png");
    EXPECT_FALSE(list.LookUpImage(longB));
    EXPECT_EQ(list.LookUpImage(longA)->size(), QSize(9, 9));
}

TEST(DisplayAndResources, CapabilitiesPaletteAndPlaceholders) {
    for (const auto& [depth, bits] : {std::pair{1, 4}, {4, 4}, {8, 8}, {15, 8}, {16, 24}, {32, 24}})
        EXPECT_EQ(displayCapabilitiesFor(depth).ColorBits, bits) << depth;
    const QVector<QRgb> palette = sharedPalette();
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], qRgb(55, 45, 55));
    EXPECT_EQ(palette[5], qRgb(255, 45, 55));
    EXPECT_EQ(palette[6], qRgb(55, 80, 55));
    EXPECT_EQ(palette[42], qRgb(55, 45, 95));
    EXPECT_EQ(palette[251], qRgb(255, 255, 255));
    EXPECT_EQ(palette[252], qRgb(1, 252, 254));
    EXPECT_EQ(palette[255], qRgb(1, 255, 254));
    EXPECT_EQ(ErrorBitmap().size(), QSize(27, 30));
    EXPECT_EQ(DefaultBitmap().size(), QSize(32, 32));
}
