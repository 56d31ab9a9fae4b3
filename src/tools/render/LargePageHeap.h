// The tool's heap on large pages: a short run that fills a few big pictures and tables spends
// most of its time in page faults otherwise, one for every 4 KiB it touches.
#pragma once

#include <cstddef>

namespace osk::render {

// Grows the heap by `bytes` at once, asks the kernel to back that part with large pages, and
// keeps big blocks (pictures, the log and its tables) in the heap, where a freed block is used
// again, instead of in a fresh mapping each. Returns how many bytes were put on large pages: 0
// where the system offers none, which leaves the process as it was but for the heap settings.
std::size_t useLargePageHeap(std::size_t bytes);

} // namespace osk::render
