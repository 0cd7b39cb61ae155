// The blocks that hold the text of a page's sections.
#include "model/text_store.h"

#include <algorithm>
#include <cstring>

namespace zorvel {

namespace {
// Blocks start small, so a short page (a table in the designer's test view)
// costs little, and double up to a size where a page of megabytes needs few.
constexpr qsizetype kFirstBlock = 2 * 1024;
constexpr qsizetype kLargestBlock = 64 * 1024;
} // namespace

QStringView TTextStore::Append(QStringView text, QStringView S) {
    if (S.isEmpty())
        return text;
    const char16_t* old = text.utf16();
    if (!blocks_.empty()) {
        Block& b = blocks_.back();
        const bool atEnd = text.isEmpty() || old + text.size() == b.data.get() + b.used;
        if (atEnd && b.size - b.used >= S.size()) {
            char16_t* start = text.isEmpty() ? b.data.get() + b.used : const_cast<char16_t*>(old);
            std::memcpy(b.data.get() + b.used, S.utf16(), std::size_t(S.size()) * sizeof(char16_t));
            b.used += S.size();
            return QStringView(start, text.size() + S.size());
        }
    }
    const qsizetype need = text.size() + S.size();
    if (blocks_.empty() || blocks_.back().size - blocks_.back().used < need) {
        const qsizetype grown = blocks_.empty() ? kFirstBlock : std::min(blocks_.back().size * 2, kLargestBlock);
        // Text that outgrew its block is still growing: it gets as much room
        // again, so that a section of megabytes is copied a few times in all,
        // not once for every piece appended to it.
        const qsizetype room = text.isEmpty() ? need : 2 * need;
        Block b;
        b.size = std::max(grown, room);
        b.data = std::make_unique_for_overwrite<char16_t[]>(std::size_t(b.size));
        blocks_.push_back(std::move(b));
    }
    Block& b = blocks_.back();
    char16_t* start = b.data.get() + b.used;
    if (!text.isEmpty()) // an empty view may have no data at all
        std::memcpy(start, old, std::size_t(text.size()) * sizeof(char16_t));
    std::memcpy(start + text.size(), S.utf16(), std::size_t(S.size()) * sizeof(char16_t));
    b.used += need;
    return QStringView(start, need);
}

} // namespace zorvel
