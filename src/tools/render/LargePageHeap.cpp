#include "LargePageHeap.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#endif

namespace osk::render {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
// The largest block the C library will take from the heap rather than map on its own.
constexpr int kLargestHeapBlock = 32 << 20;
constexpr int kDefaultTopPad = 128 << 10;

// What sbrk answers when it cannot tell.
void* const kNoBreak = reinterpret_cast<void*>(std::intptr_t{-1});

std::uintptr_t address(void* p) {
    return reinterpret_cast<std::uintptr_t>(p);
}

} // namespace

std::size_t useLargePageHeap(std::size_t bytes) {
    if (bytes == 0 || bytes > INT_MAX / 2)
        return 0;
    // Without a fixed threshold the C library maps every big block on its own and unmaps it when
    // freed: each new picture would be faulted in again, page by page.
    if (mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock) == 0 ||
        mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * bytes)) == 0 ||
        mallopt(M_TOP_PAD, static_cast<int>(bytes)) == 0)
        return 0;
    void* const before = sbrk(0);
    // Larger than all free space in the heap together, so no free block can serve it and the
    // heap grows by it and the pad. Kept in a volatile so that the compiler cannot drop the pair
    // of calls as unused.
    void* volatile block = std::malloc(mallinfo2().fordblks + kLargePage);
    void* const after = sbrk(0);
    std::free(block);
    mallopt(M_TOP_PAD, kDefaultTopPad);
    if (before == kNoBreak || after == kNoBreak)
        return 0;
    // Only whole large pages inside the new part of the heap can be backed by one.
    const std::uintptr_t begin = (address(before) + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = address(after) & ~(kLargePage - 1);
    if (end <= begin)
        return 0;
    if (madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE) != 0)
        return 0;
    return end - begin;
}

#else

std::size_t useLargePageHeap(std::size_t) {
    return 0;
}

#endif

} // namespace osk::render
