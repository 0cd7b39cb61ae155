#pragma once
// Image files, the image cache, the display's colour depth and palette, and
// the two placeholder pictures.
#include <QImage>
#include <QString>
#include <QVector>

#include <map>
#include <optional>

namespace zorvel {

// Colour depth the decoders aim at: 4, 8 or 24 bits.
struct DisplayCapabilities {
    int ColorBits = 24;
    bool Dither = true;
};
DisplayCapabilities displayCapabilitiesFor(int screenDepth);

// The 256-colour table used on 8-bit displays: a 6x7x6 colour cube (blue
// outermost, red innermost) followed by four reserved entries.
QVector<QRgb> sharedPalette();

// Decodes a file chosen by its extension (".bmp", ".gif", ".png", ".jpg",
// ".jpeg", compared lower-cased after cutting to 5 characters). Anything else,
// a missing file or a failed decode gives no image.
std::optional<QImage> loadImageFile(const QString& fileName, const DisplayCapabilities& display = {});
// The extension rule alone: the image format name, or empty when not supported.
QString imageFormatForFile(const QString& fileName);

// Shown where an image failed to load (27 by 30) and, while images are off,
// for every image (32 by 32). Shared; never owned by the images showing them.
const QImage& ErrorBitmap();
const QImage& DefaultBitmap();

// The image cache key: the whole address upper-cased (a cut name could name another file).
QString imageCacheKey(const QString& address);

struct TBitmapItem {
    QImage Bitmap;
    int Age = 0;
};

// Recently used images, keyed by imageCacheKey(). Every document load ages the
// entries; an entry unused for more than MaxAge loads is dropped.
class TStringBitmapList {
public:
    static constexpr int kInitialMaxAge = 4;

    int Count() const { return int(items_.size()); }
    int MaxAge() const { return maxAge_; }

    // The entry takes the bitmap; an existing entry under the key is replaced.
    void Add(const QString& key, QImage bitmap);
    // The cached bitmap, still the cache's; makes the entry young again.
    std::optional<QImage> Get(const QString& key);
    bool Contains(const QString& key) const { return items_.count(key) != 0; }
    int AgeOf(const QString& key) const;

    void Age();
    void SetMaxAge(int n);
    void Clear() { items_.clear(); }

private:
    std::map<QString, TBitmapItem> items_;
    int maxAge_ = kInitialMaxAge;
};

} // namespace zorvel
