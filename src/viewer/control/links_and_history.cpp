// The history of the viewer.
#include "control/links_and_history.h"

namespace zorvel {

bool TViewerHistory::Add(const THistoryItem& left, const THistoryItem& now, int maxCount) {
    if (maxCount <= 0 || left.FileName.isEmpty() || left == now)
        return false;
    if (items_.empty()) {
        // The page left is the first place to go back to.
        items_.push_back(left);
    } else {
        items_[std::size_t(index_)] = left;
        items_.erase(items_.begin(), items_.begin() + index_);
    }
    index_ = 0;
    items_.insert(items_.begin(), now);
    Trim(maxCount);
    return true;
}

std::optional<THistoryItem> TViewerHistory::MoveTo(int index, const THistoryItem& now) {
    if (index < 0 || index >= Count() || index == index_)
        return std::nullopt;
    items_[std::size_t(index_)] = now;
    index_ = index;
    return items_[std::size_t(index)];
}

bool TViewerHistory::Clear() {
    const bool had = !items_.empty();
    items_.clear();
    index_ = 0;
    return had;
}

bool TViewerHistory::Trim(int maxCount) {
    const std::size_t limit = maxCount > 0 ? std::size_t(maxCount) : 0;
    if (items_.size() <= limit)
        return false;
    items_.resize(limit);
    if (index_ >= int(limit))
        index_ = 0;
    return true;
}

} // namespace zorvel
