// What a link names, and the file a relative name means.
#include "load/link_names.h"

#include "model/attributes.h"

#include <QDir>

namespace zorvel {

bool hasNetworkScheme(const QString& link) {
    // RFC 3986: a letter, then letters, digits, "+", "-" or ".", then ":".
    const qsizetype colon = link.indexOf(u':');
    if (colon < 2)
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = link[i];
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool other = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
        if (!letter && (i == 0 || !other))
            return false;
    }
    return link.left(colon).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0;
}

LinkParts splitAnchor(const QString& link) {
    const qsizetype hash = link.indexOf(u'#');
    if (hash < 0)
        return {link, {}};
    return {link.left(hash), link.mid(hash)};
}

bool isHtmlFileName(const QString& fileName) {
    // The extension, from the last dot of the name's last part, is compared
    // in its first five characters: "b.htmlx" counts as an HTML page too.
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot < fileName.lastIndexOf(u'/') || dot < fileName.lastIndexOf(u'\\'))
        return false;
    const QString extension = fileName.mid(dot, 5).toUpper();
    return extension == QLatin1String(".HTM") || extension == QLatin1String(".HTML");
}

bool isAbsoluteFileName(const QString& fileName, Platform platform) {
    if (platform == Platform::Windows)
        return fileName.size() > 1 && fileName[1] == u':';
    return fileName.startsWith(u'/');
}

QString expandLinkFileName(const QString& link, const QString& base, const QString& currentFile, Platform platform) {
    QString name = urlToFileName(link, platform);
    if (isAbsoluteFileName(name, platform) || base.compare(QLatin1String("DosPath"), Qt::CaseInsensitive) == 0)
        return name;
    // A base names a folder ("…/docs/") or a page in it ("…/docs/index.htm"):
    // either way the link is relative to that folder.
    const QString dir =
        base.isEmpty() ? directoryOf(currentFile, platform) : directoryOf(urlToFileName(base, platform), platform);
    name = dir + name;
    return platform == Platform::Posix && name.startsWith(u'/') ? QDir::cleanPath(name) : name;
}

} // namespace zorvel
