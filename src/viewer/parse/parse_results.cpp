// The anchor-name list.
#include "parse/parse_results.h"

namespace zorvel {

TSectionBase* TNameList::Find(const QString& name) const {
    for (const auto& item : items_)
        if (item.first == name)
            return item.second;
    return nullptr;
}

bool TNameList::Contains(const QString& name) const {
    for (const auto& item : items_)
        if (item.first == name)
            return true;
    return false;
}

void TNameList::Replace(const TSectionBase* from, TSectionBase* to) {
    for (auto& item : items_)
        if (item.second == from)
            item.second = to;
}

} // namespace zorvel
