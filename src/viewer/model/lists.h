#pragma once
// The model's lists: one that owns its items, and one that keeps small
// records by value; both take their storage from the document's pool.
#include "model/pool.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

namespace zorvel {

// A list that owns its items and frees them when cleared or destroyed. Its
// storage comes from its document's pool (a page of tables has thousands of
// these lists: every row and every cell is one), or the heap without one.
template <class T> class TFreeList : public std::vector<std::unique_ptr<T>, ModelAllocator<std::unique_ptr<T>>> {
    using Base = std::vector<std::unique_ptr<T>, ModelAllocator<std::unique_ptr<T>>>;

public:
    explicit TFreeList(TModelPool* pool = nullptr) : Base(ModelAllocator<std::unique_ptr<T>>(pool)) {}
    void Clear() { this->clear(); }
    // Lets go of the items without visiting them, and hands the list's own
    // storage back: for the document's list, when its pool is released with
    // every record in it.
    void Abandon() noexcept {
        for (auto& item : *this)
            (void)item.release();
        Base(this->get_allocator()).swap(*this);
    }
    int Count() const { return int(this->size()); }
    T* Item(int i) const { return (*this)[std::size_t(i)].get(); }
    T* Add(std::unique_ptr<T> item) {
        T* raw = item.get();
        this->push_back(std::move(item));
        return raw;
    }
};

// A list of the model's small records kept by value (a page has thousands of
// them, and one allocation each would cost more than many records do), handed
// out by pointer like TFreeList's. Adding may move the records. Every text
// section has two of these (its font runs and its lines), and most hold one
// record: the first is kept in the list itself, so such a section costs no
// allocation to build, lay out or free; more go to storage of their own, from
// the pool the caller names (the list's document's: the list does not keep it,
// as a section has two lists and a page tens of thousands of sections).
template <typename T> class TValueList {
    static_assert(alignof(T) <= kModelAlignment);
    static_assert(PoolSafe<T>, "the records stay in the pool with the section that holds them");

public:
    class const_iterator {
    public:
        explicit const_iterator(const T* at) : at_(at) {}
        T* operator*() const { return const_cast<T*>(at_); }
        const_iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return at_ != other.at_; }

    private:
        const T* at_;
    };
    TValueList() {}
    TValueList(const TValueList&) = delete;
    TValueList& operator=(const TValueList&) = delete;
    ~TValueList() {
        Clear();
        if (!Inline())
            TModelPool::Free(items_, std::size_t(capacity_) * sizeof(T));
    }
    // Keeps the room for the next records, as layout fills a section's lines again.
    void Clear() {
        std::destroy_n(Data(), count_);
        count_ = 0;
    }
    int Count() const { return count_; }
    bool empty() const { return count_ == 0; }
    T* Item(int i) const { return Data() + i; }
    T* back() const { return Item(count_ - 1); }
    T* Add(TModelPool& pool, T item) {
        if (count_ == capacity_)
            Reallocate(pool, Grown());
        T* added = std::construct_at(Data() + count_, std::move(item));
        ++count_;
        return added;
    }
    // Hands back the room kept for records not added.
    void Squeeze(TModelPool& pool) {
        if (capacity_ > std::max(count_, 1))
            Reallocate(pool, count_);
    }
    const_iterator begin() const { return const_iterator(Data()); }
    const_iterator end() const { return const_iterator(Data() + count_); }

private:
    bool Inline() const { return capacity_ == 1; }
    T* Data() const { return const_cast<T*>(Inline() ? &one_ : items_); }
    int Grown() const {
        if (capacity_ > std::numeric_limits<int>::max() / 2)
            throw std::length_error("TValueList");
        return capacity_ * 2;
    }
    // Moves the records to room for capacity of them: the list itself for
    // one (or none), storage of their own for more.
    void Reallocate(TModelPool& pool, int capacity) {
        T* const old = Data();
        const bool wasInline = Inline();
        const int oldCapacity = capacity_;
        if (capacity > 1) {
            T* const fresh = static_cast<T*>(pool.Allocate(std::size_t(capacity) * sizeof(T)));
            std::uninitialized_move_n(old, count_, fresh);
            std::destroy_n(old, count_);
            items_ = fresh;
        } else if (count_ == 1) { // back from storage of their own: one record at most
            std::construct_at(&one_, std::move(*old));
            std::destroy_at(old);
        }
        if (!wasInline)
            TModelPool::Free(old, std::size_t(oldCapacity) * sizeof(T));
        capacity_ = std::max(capacity, 1);
    }

    union {
        T* items_; // when capacity_ > 1
        T one_;    // when capacity_ == 1, holding a record while count_ == 1
    };
    int count_ = 0;
    int capacity_ = 1;
};

} // namespace zorvel
