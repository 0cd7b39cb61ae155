#pragma once
// The list of places the viewer visited, apart from the widget so that it can
// be tested on its own.
#include <QString>

#include <optional>
#include <vector>

namespace zorvel {

// A scroll position that survives a change of layout: the section at the top
// of the view and how far into it the view starts.
struct TScrollPosition {
    int Section = 0;
    int Offset = 0;
    bool operator==(const TScrollPosition&) const = default;
};

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
    // Going back (a higher index) or forward (a lower one) from the place shown,
    // which is `now`: its entry keeps where it was left, the index moves, and
    // the place to show is returned; nothing when the index is out of range or
    // already there.
    std::optional<THistoryItem> MoveTo(int index, const THistoryItem& now);
    bool CanGoBack() const { return index_ + 1 < Count(); }
    bool CanGoForward() const { return index_ > 0 && index_ < Count(); }
    // Returns whether there was anything to remove.
    bool Clear();
    // Cuts the list to maxCount entries (none when 0 or less); returns whether it shrank.
    bool Trim(int maxCount);

private:
    std::vector<THistoryItem> items_;
    int index_ = 0;
};

} // namespace zorvel
