#include "htmlsubs_pool.h"

#include <QtGlobal>

#include <array>
#include <new>
#include <vector>

namespace zorvel {

namespace {

// Sizes are rounded up to this many bytes: the model's records hold nothing
// aligned more strictly than a pointer, and rounding to 16 would add 8 bytes
// to many of them (a font run of 40, a section of 120).
constexpr std::size_t kGrain = kModelAlignment;
constexpr std::size_t kLargest = 1024; // larger objects are few: the general heap takes them
constexpr std::size_t kChunk = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// The model is built, laid out and freed on the interface thread only, so the
// pool takes no lock: a locked instruction per block cost a fifth of freeing a
// page, since it keeps the processor from fetching the next records while it
// waits. Another thread's use is a fault, caught here rather than left to
// corrupt the lists: a thread is known by the address of a thread-local
// variable, which costs no system call.
thread_local const char threadMark = 0;

struct Pool {
    const char* thread = nullptr; // the mark of the thread that uses the pool
    std::array<FreeBlock*, kLargest / kGrain + 1> free{};
    char* chunkNext = nullptr;
    char* chunkEnd = nullptr;
    std::vector<void*> chunks;
    std::size_t chunkIndex = 0; // chunks after this one are empty
    std::size_t live = 0;       // blocks handed out and not freed
};

// Set up before any code runs (no guard to test on every call) and never
// destroyed: sections may be freed during exit.
union PoolHolder {
    Pool pool;
    constexpr PoolHolder() : pool() {}
    ~PoolHolder() {}
};
constinit PoolHolder holder;

inline Pool& pool() {
    Pool& p = holder.pool;
    if (p.thread != &threadMark) [[unlikely]] {
        if (p.thread)
            qFatal("The viewer's model was used on two threads");
        p.thread = &threadMark;
    }
    return p;
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVEL_NO_POOL
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZORVEL_NO_POOL)
constexpr bool kPooled = false; // the sanitizer must see every section's own allocation
#else
constexpr bool kPooled = true;
#endif

} // namespace

void* modelAllocate(std::size_t size) {
    if (!kPooled || size > kLargest)
        return ::operator new(size);
    const std::size_t grains = (size + kGrain - 1) / kGrain;
    Pool& p = pool();
    ++p.live;
    if (FreeBlock* block = p.free[grains]) {
        p.free[grains] = block->next;
        return block;
    }
    const std::size_t bytes = grains * kGrain;
    if (std::size_t(p.chunkEnd - p.chunkNext) < bytes) {
        if (p.chunkNext && p.chunkIndex + 1 < p.chunks.size()) {
            p.chunkNext = static_cast<char*>(p.chunks[++p.chunkIndex]);
        } else {
            p.chunkNext = static_cast<char*>(::operator new(kChunk));
            p.chunks.push_back(p.chunkNext);
            p.chunkIndex = p.chunks.size() - 1;
        }
        p.chunkEnd = p.chunkNext + kChunk;
    }
    void* storage = p.chunkNext;
    p.chunkNext += bytes;
    return storage;
}

void modelFree(void* storage, std::size_t size) noexcept {
    if (!storage)
        return;
    if (!kPooled || size > kLargest) {
        ::operator delete(storage);
        return;
    }
    const std::size_t grains = (size + kGrain - 1) / kGrain;
    Pool& p = pool();
    if (--p.live == 0 && !p.chunks.empty()) {
        // Nothing is out: the next page takes the chunks again from the
        // first, in order, rather than blocks scattered over all of them by
        // the order the last page was freed in; its records then lie in the
        // order it reads them.
        p.free.fill(nullptr);
        p.chunkIndex = 0;
        p.chunkNext = static_cast<char*>(p.chunks[0]);
        p.chunkEnd = p.chunkNext + kChunk;
        return;
    }
    auto* block = static_cast<FreeBlock*>(storage);
    block->next = p.free[grains];
    p.free[grains] = block;
}

void modelStorageTrim() {
    Pool& p = pool();
    if (p.live != 0)
        return;
    for (void* chunk : p.chunks)
        ::operator delete(chunk);
    p.chunks.clear();
    p.chunkIndex = 0;
    p.free.fill(nullptr);
    p.chunkNext = p.chunkEnd = nullptr;
}

} // namespace zorvel
