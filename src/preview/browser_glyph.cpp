// Button pictures for the external browsers, made from the browser program's icon.
#include "external_browser.h"

#include "atomic_write.h"

#include <QApplication>
#include <QBitmap>
#include <QBuffer>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace zorvel {

// The size of a program's large icon, as the button shows it.
static constexpr int kGlyphSize = 32;

QIcon browserIcon(const QString& browserPath) {
    const QFileInfo info(browserPath);
    for (const QString& name : {info.fileName(), info.completeBaseName()}) {
        if (name.isEmpty())
            continue;
        const QIcon themed = QIcon::fromTheme(name);
        if (!themed.isNull())
            return themed;
    }
    return QFileIconProvider().icon(info);
}

bool makeBrowserGlyph(const QString& browserPath, const QString& glyphPath, const BrowserIconSource& iconFor) {
    const QString path = trimBlanks(browserPath);
    if (path.isEmpty())
        return false;
    if (QFile::exists(glyphPath))
        QFile::remove(glyphPath);
    const QIcon icon = iconFor ? iconFor(path) : QIcon();
    if (icon.isNull())
        return false;
    const QPixmap picture = icon.pixmap(kGlyphSize, kGlyphSize);
    if (picture.isNull())
        return false;

    // A bitmap has no transparency: the icon lies on the button's own colour, and
    // the bottom-left pixel names the colour that the button leaves transparent.
    const QColor face = QApplication::palette().color(QPalette::Button);
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(face);
    {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, picture);
    }
    image.setPixelColor(0, image.height() - 1, face);
    // Encoded in memory and written whole: a full disk must not leave a cut
    // picture that the next start would take as made.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        return false;
    try {
        writeFileAtomically(glyphPath, bytes);
    } catch (const FileWriteError&) {
        return false; // the button shows its name instead, as with no icon
    }
    return true;
}

QIcon loadBrowserGlyph(const QString& glyphPath) {
    const QImage image(glyphPath);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return QIcon(pixmap);
}

} // namespace zorvel
