#include "path_rules.h"

#include <QFileInfo>

namespace zorvel {

static qsizetype lastSeparator(const QString& path, Platform platform) {
    if (platform == Platform::Windows)
        return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':')));
    return path.lastIndexOf(QLatin1Char('/'));
}

QString directoryOf(const QString& path, Platform platform) {
    return path.left(lastSeparator(path, platform) + 1);
}

QString fileNameOnly(const QString& path, Platform platform) {
    return path.mid(lastSeparator(path, platform) + 1);
}

QString withTrailingSeparator(const QString& dir, Platform platform) {
    const QChar sep = platform == Platform::Windows ? QLatin1Char('\\') : QLatin1Char('/');
    if (dir.endsWith(sep) || (platform == Platform::Windows && dir.endsWith(QLatin1Char(':'))))
        return dir;
    return dir + sep;
}

bool samePath(const QString& a, const QString& b, Platform platform) {
    return a.compare(b, platform == Platform::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

QString storedPathForm(const QString& path, Platform platform) {
    return platform == Platform::Windows ? path.toLower() : path;
}

bool fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool isUsableRecentFile(const QString& path, const FileExists& exists, Platform platform) {
    if (path.isEmpty())
        return false;
    if (platform == Platform::Windows) {
        const qsizetype colon = path.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return false;
        const QString drive = path.left(colon).toUpper();
        if (drive == QLatin1String("A") || drive == QLatin1String("B"))
            return false;
    } else if (!path.startsWith(QLatin1Char('/'))) {
        return false;
    }
    return exists(path);
}

QString programDirFor(const QString& executableDir, const QString& fallbackDir, bool executableDirWritable,
                      Platform platform) {
    return withTrailingSeparator(executableDirWritable ? executableDir : fallbackDir, platform);
}

} // namespace zorvel
