#pragma once

#include <cstddef>
#include <new>

namespace drovan::detail {

// Large blocks (a million charges) are asked to be backed by huge pages where the system offers
// them: touching fresh memory page by page is most of the cost of loading a big file.
void *allocateBulk(std::size_t bytes);
void freeBulk(void *block, std::size_t bytes) noexcept;

template <typename T> struct BulkAllocator {
    using value_type = T;
    BulkAllocator() = default;
    template <typename U> BulkAllocator(const BulkAllocator<U> &) noexcept {}
    T *allocate(std::size_t n) { return static_cast<T *>(allocateBulk(n * sizeof(T))); }
    void deallocate(T *p, std::size_t n) noexcept { freeBulk(p, n * sizeof(T)); }
    template <typename U> bool operator==(const BulkAllocator<U> &) const noexcept { return true; }
};

} // namespace drovan::detail
