#pragma once
// What a parse leaves besides the model: the anchor names, the page's title
// and base address, and the error that ends a parse early.
#include "errors.h"

#include <QString>

#include <utility>
#include <vector>

namespace zorvel {

class TSectionBase;

class EParseError : public Error {
public:
    using Error::Error;
};

// Anchor names (upper-cased), each with the section that holds it, in the
// order the page gives them.
class TNameList {
public:
    void Add(const QString& name, TSectionBase* section) { items_.emplace_back(name, section); }
    // The section of the first anchor of that name (already upper-cased), or nullptr.
    TSectionBase* Find(const QString& name) const;
    bool Contains(const QString& name) const;
    void Replace(const TSectionBase* from, TSectionBase* to);
    void Clear() { items_.clear(); }
    int Count() const { return int(items_.size()); }
    const QString& Name(int i) const { return items_[std::size_t(i)].first; }
    TSectionBase* Section(int i) const { return items_[std::size_t(i)].second; }

private:
    std::vector<std::pair<QString, TSectionBase*>> items_;
};

// The page's title and its base address.
struct TParseStrings {
    QString Title;
    QString Base;
};

} // namespace zorvel
