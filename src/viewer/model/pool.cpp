// The document's pool: chunks cut into blocks of a few sizes, large blocks, and the owners it deletes.
#include "model/pool.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

namespace zorvel {

namespace {

// Sizes are rounded up to this many bytes: the model's records hold nothing
// aligned more strictly than a pointer, and rounding to 16 would add 8 bytes
// to many of them.
constexpr std::size_t kGrain = kModelAlignment;
// Blocks up to kLargest bytes are cut from chunks of this size, aligned to
// it, so that a block's chunk (and with it its pool) is found from its
// address. Small enough that a page of a few lines leaves little unused.
constexpr std::size_t kChunk = 16 * 1024;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVEL_NO_CHUNKS
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZORVEL_NO_CHUNKS)
constexpr bool kChunked = false; // the sanitizer must see every record's own allocation
#else
constexpr bool kChunked = true;
#endif

// Chunks come from slabs of this size: a chunk allocated on its own with its
// alignment left an unused gap of nearly its size beside it in the heap.
constexpr std::size_t kSlab = 64 * kChunk;

// The chunks not in any pool: those a released pool handed back, for the next
// document (a viewer frees one page and builds the next of much the same
// size), and the rest of the newest slab.
struct Spare {
    void* first = nullptr; // each holds the next in its first word
    char* slabNext = nullptr;
    char* slabEnd = nullptr;
    std::vector<void*> slabs;
    std::size_t inPools = 0; // chunks some pool holds
};
// Set up before any code runs and never destroyed: a document may be freed during exit.
union SpareHolder {
    Spare spare;
    constexpr SpareHolder() : spare() {}
    ~SpareHolder() {}
};
constinit SpareHolder holder;
Spare& spare = holder.spare;

// Documents are built, laid out and freed on the interface thread only, so
// neither a pool nor the spare chunks take a lock (a locked instruction per
// block cost a fifth of freeing a page). Another thread's use is a fault,
// caught where chunks change hands rather than left to corrupt the lists: a
// thread is known by the address of a thread-local variable, which costs no
// system call.
thread_local const char threadMark = 0;
constinit const char* poolThread = nullptr;

void checkThread() {
    if (poolThread != &threadMark) [[unlikely]] {
        if (poolThread)
            qFatal("The viewer's model was used on two threads");
        poolThread = &threadMark;
    }
}

void* takeChunk() {
    checkThread();
    void* chunk = spare.first;
    if (chunk) {
        spare.first = *static_cast<void**>(chunk);
    } else {
        if (spare.slabNext == spare.slabEnd) {
            void* slab = std::aligned_alloc(kChunk, kSlab);
            if (!slab)
                throw std::bad_alloc();
            spare.slabs.push_back(slab);
            spare.slabNext = static_cast<char*>(slab);
            spare.slabEnd = spare.slabNext + kSlab;
        }
        chunk = spare.slabNext;
        spare.slabNext += kChunk;
    }
    ++spare.inPools;
    return chunk;
}

} // namespace

struct TModelPool::Chunk {
    TModelPool* pool;
    Chunk* next;
};

namespace {

// Whether a block of this size is allocated on its own rather than cut from a chunk.
bool tracked(std::size_t size) {
    return !kChunked || size > TModelPool::kLargest;
}
// A chunk's blocks of this size, in grains: the index of their free list.
std::size_t grainsOf(std::size_t size) {
    return size == 0 ? 1 : (size + kGrain - 1) / kGrain;
}

} // namespace

void* TModelPool::Allocate(std::size_t size) {
    static_assert(sizeof(Chunk) % kGrain == 0);
    if (tracked(size))
        return AllocateTracked(size);
    const std::size_t grains = grainsOf(size);
    if (FreeBlock* block = free_[grains]) {
        free_[grains] = block->next;
        return block;
    }
    const std::size_t bytes = grains * kGrain;
    if (std::size_t(end_ - next_) < bytes) {
        void* storage = takeChunk();
        chunks_ = new (storage) Chunk{this, chunks_};
        next_ = static_cast<char*>(storage) + sizeof(Chunk);
        end_ = static_cast<char*>(storage) + kChunk;
    }
    void* storage = next_;
    next_ += bytes;
    return storage;
}

void* TModelPool::AllocateTracked(std::size_t size) {
    auto* block = static_cast<Tracked*>(::operator new(sizeof(Tracked) + size));
    block->prev = &tracked_;
    block->next = tracked_.next;
    tracked_.next->prev = block;
    tracked_.next = block;
    return block + 1;
}

void TModelPool::Free(void* storage, std::size_t size) noexcept {
    if (!storage)
        return;
    if (tracked(size)) {
        Tracked* block = static_cast<Tracked*>(storage) - 1;
        block->prev->next = block->next;
        block->next->prev = block->prev;
        ::operator delete(block);
        return;
    }
    const auto chunk = reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(storage) & ~(kChunk - 1));
    TModelPool& pool = *chunk->pool;
    auto* block = static_cast<FreeBlock*>(storage);
    block->next = pool.free_[grainsOf(size)];
    pool.free_[grainsOf(size)] = block;
}

void TModelPool::Release() noexcept {
    while (owners_)
        delete owners_; // takes itself off the list
    while (tracked_.next != &tracked_) {
        Tracked* block = tracked_.next;
        tracked_.next = block->next;
        ::operator delete(block);
    }
    tracked_.prev = &tracked_;
    if (chunks_)
        checkThread();
    // Newest first onto the spare stack, so that the next document takes
    // them oldest first: its records then lie in the order it reads them.
    while (Chunk* chunk = chunks_) {
        chunks_ = chunk->next;
        *reinterpret_cast<void**>(chunk) = spare.first;
        spare.first = chunk;
        --spare.inPools;
    }
    free_.fill(nullptr);
    next_ = end_ = nullptr;
}

TModelPool::Owner::Owner(TModelPool& pool) : pool_(pool), next_(pool.owners_) {
    if (next_)
        next_->prev_ = this;
    pool.owners_ = this;
}

TModelPool::Owner::~Owner() {
    if (prev_)
        prev_->next_ = next_;
    else
        pool_.owners_ = next_;
    if (next_)
        next_->prev_ = prev_;
}

void modelStorageTrim() {
    checkThread();
    if (spare.inPools != 0)
        return;
    for (void* slab : spare.slabs)
        std::free(slab);
    spare.slabs.clear();
    spare.first = nullptr;
    spare.slabNext = spare.slabEnd = nullptr;
}

} // namespace zorvel
