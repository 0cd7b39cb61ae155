// A link's address kept once in the document's pool.
#include "model/link_text.h"

#include "model/pool.h"

#include <cstring>
#include <limits>
#include <new>

namespace zorvel {

TLinkText::TLinkText(TModelPool& pool, QStringView text) {
    if (text.isEmpty())
        return;
    if (text.size() > std::numeric_limits<int>::max())
        throw std::bad_alloc();
    const std::size_t bytes = std::size_t(text.size()) * sizeof(char16_t);
    auto* block = new (pool.Allocate(sizeof(Block) + bytes)) Block{int(text.size())};
    std::memcpy(reinterpret_cast<char16_t*>(block + 1), text.utf16(), bytes);
    block_ = block;
}

QStringView TLinkText::view() const {
    if (!block_)
        return {};
    return QStringView(reinterpret_cast<const char16_t*>(block_ + 1), block_->size);
}

} // namespace zorvel
