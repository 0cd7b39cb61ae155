#pragma once
// What a link names: a network address or a local file, its anchor, and the
// file a relative name means beside the page or its BASE.
#include "path_rules.h"

#include <QString>

namespace zorvel {

// "http:", "mailto:", "news:" and the like: an address on the network, which the
// viewer does not follow. A one-letter scheme is a drive letter, "file:" is local.
bool hasNetworkScheme(const QString& link);

// A name split at its first "#": the file part and the anchor with its "#".
struct LinkParts {
    QString file;
    QString anchor;
};
LinkParts splitAnchor(const QString& link);

// Whether a file name's extension, cut to five characters, is ".htm" or ".html" (any case).
bool isHtmlFileName(const QString& fileName);

// Whether a file name needs no directory in front of it: a drive on Windows,
// a leading "/" elsewhere.
bool isAbsoluteFileName(const QString& fileName, Platform platform);

// The file a link or image address names. A relative name gets the base's
// directory in front of it (unless the base is "DosPath"), or the directory of
// the file shown when there is no base.
QString expandLinkFileName(const QString& link, const QString& base, const QString& currentFile, Platform platform);

} // namespace zorvel
