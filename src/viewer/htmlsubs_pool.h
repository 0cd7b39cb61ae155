#pragma once
// Storage for the model's sections. A large page has tens of thousands of
// them; from the general heap each costs an allocation that the heap must
// later merge back with its neighbours, and freeing a page's model cost a
// large share of parsing it. Here a freed section's storage goes on a list for
// its size, to be taken by the next section of that size: the storage is kept
// for the next page rather than handed back.
#include <cstddef>

namespace zorvel {

void* modelAllocate(std::size_t size);
void modelFree(void* storage, std::size_t size) noexcept;
// Hands the kept storage back to the heap when no model holds any of it.
void modelStorageTrim();

// Storage from here is aligned for a pointer, not more: a class or record
// that needs stricter alignment must not use it.
inline constexpr std::size_t kModelAlignment = alignof(void*);

// Gives a class's objects that storage (a class the model holds by the thousand).
struct TModelStorage {
    static void* operator new(std::size_t size) { return modelAllocate(size); }
    static void operator delete(void* storage, std::size_t size) noexcept { modelFree(storage, size); }
};

// The same storage for the model's small lists.
template <typename T>
struct ModelAllocator {
    using value_type = T;
    static_assert(alignof(T) <= kModelAlignment);
    ModelAllocator() = default;
    template <typename U>
    ModelAllocator(const ModelAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(modelAllocate(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { modelFree(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const ModelAllocator<U>&) const { return true; }
};

} // namespace zorvel
