#include "htmlsubs_linktext.h"

#include "htmlsubs_pool.h"

#include <cstring>
#include <limits>
#include <new>

namespace zorvel {

TLinkText::TLinkText(QStringView text) {
    if (text.isEmpty())
        return;
    if (text.size() > std::numeric_limits<int>::max())
        throw std::bad_alloc();
    void* storage = modelAllocate(sizeof(Block) + std::size_t(text.size()) * sizeof(char16_t));
    block_ = new (storage) Block{1, int(text.size())};
    std::memcpy(reinterpret_cast<char16_t*>(block_ + 1), text.utf16(), std::size_t(text.size()) * sizeof(char16_t));
}

QStringView TLinkText::view() const {
    if (!block_)
        return {};
    return QStringView(reinterpret_cast<const char16_t*>(block_ + 1), block_->size);
}

void TLinkText::Release() noexcept {
    if (!block_ || --block_->holders != 0)
        return;
    const std::size_t bytes = sizeof(Block) + std::size_t(block_->size) * sizeof(char16_t);
    block_->~Block();
    modelFree(block_, bytes);
    block_ = nullptr;
}

} // namespace zorvel
