#include "document/BulkMemory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace drovan::detail {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

bool isBulk(std::size_t bytes) {
#if defined(__linux__)
    return bytes >= kHugePage;
#else
    (void)bytes;
    return false;
#endif
}

} // namespace

void *allocateBulk(std::size_t bytes) {
    if (!isBulk(bytes))
        return ::operator new(bytes);
#if defined(__linux__)
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void *block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr)
        throw std::bad_alloc();
    // Advice only: where huge pages are off this changes nothing.
    ::madvise(block, rounded, MADV_HUGEPAGE);
    return block;
#else
    return ::operator new(bytes);
#endif
}

void freeBulk(void *block, std::size_t bytes) noexcept {
    if (!isBulk(bytes)) {
        ::operator delete(block);
        return;
    }
    std::free(block);
}

} // namespace drovan::detail
