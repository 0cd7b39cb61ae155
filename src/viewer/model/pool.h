#pragma once
// Storage for a document's model records. A large page has tens of thousands
// of sections, font runs and lines; from the general heap each costs an
// allocation that the heap must later merge back with its neighbours, and
// visiting each record again to free it cost as much as a tenth of parsing
// the page (the records are cold by then). A document takes its records from
// a pool of its own and hands the pool back whole: no record is visited.
//
// That needs one rule of the model's records: what a record owns lies in the
// same pool (its lists, its link's text), except records derived from
// TModelPool::Owner, which the pool deletes when it is released. A record with
// a QString or a QImage of its own must be an Owner or it leaks. The types
// keep the rule: see PoolSafe.
#include <array>
#include <concepts>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

namespace zorvel {

// Storage from here is aligned for a pointer, not more: a class or record
// that needs stricter alignment must not use it.
inline constexpr std::size_t kModelAlignment = alignof(void*);

class TModelPool {
public:
    TModelPool() = default;
    ~TModelPool() { Release(); }
    TModelPool(const TModelPool&) = delete;
    TModelPool& operator=(const TModelPool&) = delete;

    // Blocks larger than this are few (a long page's list of sections): each
    // is allocated on its own.
    static constexpr std::size_t kLargest = 1024;

    void* Allocate(std::size_t size);
    // Storage from any pool, with the size it was asked for.
    static void Free(void* storage, std::size_t size) noexcept;
    // Deletes the Owners, then hands every block back at once, whatever
    // records are still in them; the pool can be used again after.
    void Release() noexcept;

    // A record that owns storage outside the pool (pictures, names): it is
    // deleted with the pool unless it was deleted before.
    class Owner {
    public:
        explicit Owner(TModelPool& pool);
        Owner(const Owner&) = delete;
        Owner& operator=(const Owner&) = delete;
        virtual ~Owner();

    private:
        friend class TModelPool;
        TModelPool& pool_;
        Owner* prev_ = nullptr;
        Owner* next_;
    };

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    struct Chunk;
    // The head of a block allocated on its own, on the pool's list of them.
    struct Tracked {
        Tracked* prev;
        Tracked* next;
    };
    void* AllocateTracked(std::size_t size);

    std::array<FreeBlock*, kLargest / kModelAlignment + 1> free_{};
    char* next_ = nullptr; // the rest of the newest chunk
    char* end_ = nullptr;
    Chunk* chunks_ = nullptr;               // newest first
    Tracked tracked_{&tracked_, &tracked_}; // a ring: its own head when empty
    Owner* owners_ = nullptr;
};

// Hands the storage kept for the next document back to the heap, when no
// document holds any.
void modelStorageTrim();

// A record the pool may let go of without visiting it: one that owns nothing
// (nothing to destroy), an Owner (the pool deletes it), or one whose class
// says so of itself, having checked its own members, with
//     using PoolRecord = TheClass;
// It may say so when each member of its own owns nothing, lies in the pool
// (the model's lists, TLinkText, records made by makeModel) or is an Owner.
// The name is the class's own, so a class derived from it that adds members
// says it again: what it inherits does not count.
template <typename T>
concept PoolSafe = std::is_trivially_destructible_v<T> || std::derived_from<T, TModelPool::Owner> ||
    std::same_as<typename T::PoolRecord, T>;

template <typename T, typename... Args> std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);

// Gives a class's objects storage from a document's pool; they are made
// with makeModel<T>(pool, ...), which accepts only PoolSafe records.
struct TModelStorage {
    static void operator delete(void* storage, std::size_t size) noexcept { TModelPool::Free(storage, size); }
    static void* operator new(std::size_t) = delete; // every record belongs to a document's pool

private:
    template <typename T, typename... Args> friend std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args);
    static void* operator new(std::size_t size, TModelPool& pool) { return pool.Allocate(size); }
    // Only when a constructor throws; the block stays in the pool until it is released.
    static void operator delete(void*, TModelPool&) noexcept {}
};

template <typename T, typename... Args> std::unique_ptr<T> makeModel(TModelPool& pool, Args&&... args) {
    static_assert(PoolSafe<T>, "a record in the pool may own nothing outside it unless it is a TModelPool::Owner "
                               "(see PoolSafe)");
    return std::unique_ptr<T>(new (pool) T(std::forward<Args>(args)...));
}

// The same storage for the model's lists; without a pool, the general heap
// (lists of records that are not in a document's pool).
template <typename T> struct ModelAllocator {
    using value_type = T;
    static_assert(alignof(T) <= kModelAlignment);
    ModelAllocator(TModelPool* pool = nullptr) : pool_(pool) {} // NOLINT: a pool is its allocator
    template <typename U> ModelAllocator(const ModelAllocator<U>& other) : pool_(other.pool()) {} // NOLINT
    T* allocate(std::size_t n) {
        return static_cast<T*>(pool_ ? pool_->Allocate(n * sizeof(T)) : ::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (pool_)
            TModelPool::Free(p, n * sizeof(T));
        else
            ::operator delete(p);
    }
    TModelPool* pool() const { return pool_; }
    template <typename U> bool operator==(const ModelAllocator<U>& other) const { return pool_ == other.pool(); }

private:
    TModelPool* pool_;
};

} // namespace zorvel
