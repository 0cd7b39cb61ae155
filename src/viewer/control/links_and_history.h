#pragma once
// What the viewer does with a link, and the list of places visited, apart from
// the widget so that both can be tested on their own.
#include "path_rules.h"

#include <QString>

#include <vector>

namespace zorvel {

// A scroll position that survives a change of layout: the section at the top
// of the view and how far into it the view starts.
struct TScrollPosition {
    int Section = 0;
    int Offset = 0;
    bool operator==(const TScrollPosition&) const = default;
};

// "http:", "mailto:", "news:" and the like: an address on the network, which the
// viewer does not follow. A one-letter scheme is a drive letter, "file:" is local.
bool hasNetworkScheme(const QString& link);

// A name split at its first "#": the file part and the anchor with its "#".
struct LinkParts {
    QString file;
    QString anchor;
};
LinkParts splitAnchor(const QString& link);

// Whether a file name ends in ".htm" or ".html" (without regard to case).
bool isHtmlFileName(const QString& fileName);

// Whether a file name needs no directory in front of it: a drive on Windows,
// a leading "/" elsewhere.
bool isAbsoluteFileName(const QString& fileName, Platform platform);

// The file a link or image address names. A relative name gets the base's
// directory in front of it (unless the base is "DosPath"), or the directory of
// the file shown when there is no base.
QString expandLinkFileName(const QString& link, const QString& base, const QString& currentFile, Platform platform);

struct THistoryItem {
    QString FileName;
    TScrollPosition Position;
    bool operator==(const THistoryItem&) const = default;
};

// The places visited, newest first. Index points at the entry that stands for
// the page shown.
class TViewerHistory {
public:
    const std::vector<THistoryItem>& Items() const { return items_; }
    int Index() const { return index_; }
    int Count() const { return int(items_.size()); }

    // Leaving `left` for `now`: returns whether the list changed. Nothing is kept
    // when maxCount is 0 or less, nor when nothing moved.
    bool Add(const THistoryItem& left, const THistoryItem& now, int maxCount);
    // Returns whether there was anything to remove.
    bool Clear();
    // Cuts the list to maxCount entries (none when 0 or less); returns whether it shrank.
    bool Trim(int maxCount);

private:
    std::vector<THistoryItem> items_;
    int index_ = 0;
};

} // namespace zorvel
