#include "picture_place.h"

#include <QDir>
#include <QFileInfo>

namespace zorvel {

namespace {

QString folderOf(const QString& documentPath) {
    return QFileInfo(documentPath).absolutePath();
}

// The path below folder, or empty when path is not inside it.
QString pathInside(const QString& path, const QString& folder) {
    const QString relative = QDir(folder).relativeFilePath(QFileInfo(path).absoluteFilePath());
    if (relative.isEmpty() || relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) ||
        QDir::isAbsolutePath(relative))
        return {};
    return relative;
}

} // namespace

QString pictureName(const QString& picture, const QString& documentPath) {
    if (picture.trimmed().isEmpty())
        return picture;
    const QString absolute = QDir::cleanPath(QFileInfo(picture).absoluteFilePath());
    if (documentPath.trimmed().isEmpty())
        return absolute;
    const QString inside = pathInside(absolute, folderOf(documentPath));
    return inside.isEmpty() ? absolute : inside;
}

QString pictureBrowseFolder(const PicturePlace& place) {
    if (!place.documentPath.trimmed().isEmpty()) {
        const QString folder = folderOf(place.documentPath);
        const bool lastInside =
            !place.lastFolder.isEmpty() && (QDir::cleanPath(place.lastFolder) == QDir::cleanPath(folder) ||
                                            !pathInside(place.lastFolder, folder).isEmpty());
        return lastInside ? place.lastFolder : folder;
    }
    return place.lastFolder.isEmpty() ? place.fallbackFolder : place.lastFolder;
}

QString pictureFilter(const char* others) {
    return QLatin1String(kAllPicturesFilter) + QLatin1String(";;") + QLatin1String(others);
}

} // namespace zorvel
