// Image files decoded by extension, the 8-bit palette, the placeholder pictures and the image cache.
#include "model/image_cache.h"

#include <QFile>
#include <QImageReader>

static void initViewerResources() {
    Q_INIT_RESOURCE(viewer);
}

namespace zorvel {

DisplayCapabilities displayCapabilitiesFor(int screenDepth) {
    DisplayCapabilities caps;
    if (screenDepth <= 4)
        caps.ColorBits = 4;
    else if (screenDepth < 16)
        caps.ColorBits = 8;
    else
        caps.ColorBits = 24;
    caps.Dither = true;
    return caps;
}

QVector<QRgb> sharedPalette() {
    QVector<QRgb> table;
    table.reserve(256);
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 7; ++g)
            for (int r = 0; r < 6; ++r)
                table.push_back(qRgb(55 + 40 * r, 45 + 35 * g, 55 + 40 * b));
    for (int i = 252; i < 256; ++i)
        table.push_back(qRgb(1, i, 254));
    return table;
}

QString imageFormatForFile(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    const QString ext = fileName.mid(dot).toLower().left(5);
    if (ext == QLatin1String(".bmp"))
        return QStringLiteral("bmp");
    if (ext == QLatin1String(".gif"))
        return QStringLiteral("gif");
    if (ext == QLatin1String(".png"))
        return QStringLiteral("png");
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg"))
        return QStringLiteral("jpeg");
    return {};
}

std::optional<QImage> loadImageFile(const QString& fileName, const DisplayCapabilities& display) {
    const QString format = imageFormatForFile(fileName);
    if (format.isEmpty())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&file, format.toLatin1());
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (display.ColorBits == 8) {
        const Qt::ImageConversionFlags flags = display.Dither ? Qt::DiffuseDither : Qt::ThresholdDither;
        image = image.convertToFormat(QImage::Format_Indexed8, sharedPalette(), flags);
    }
    return image;
}

static QImage loadResourceImage(const char* path) {
    static const bool initialised = (initViewerResources(), true);
    (void)initialised;
    QImage image(QString::fromLatin1(path));
    return image;
}

const QImage& ErrorBitmap() {
    static const QImage image = loadResourceImage(":/viewer/error_image.xpm");
    return image;
}

const QImage& DefaultBitmap() {
    static const QImage image = loadResourceImage(":/viewer/default_image.xpm");
    return image;
}

QString imageCacheKey(const QString& address) {
    return address.toUpper();
}

void TStringBitmapList::Add(const QString& key, QImage bitmap) {
    items_[key] = TBitmapItem{std::move(bitmap), 0};
}

std::optional<QImage> TStringBitmapList::Get(const QString& key) {
    const auto it = items_.find(key);
    if (it == items_.end())
        return std::nullopt;
    it->second.Age = 0;
    return it->second.Bitmap;
}

int TStringBitmapList::AgeOf(const QString& key) const {
    const auto it = items_.find(key);
    return it == items_.end() ? -1 : it->second.Age;
}

void TStringBitmapList::Age() {
    for (auto it = items_.begin(); it != items_.end();) {
        if (++it->second.Age > maxAge_)
            it = items_.erase(it);
        else
            ++it;
    }
}

void TStringBitmapList::SetMaxAge(int n) {
    for (auto it = items_.begin(); it != items_.end();) {
        if (it->second.Age > n)
            it = items_.erase(it);
        else
            ++it;
    }
    maxAge_ = n;
}

} // namespace zorvel
