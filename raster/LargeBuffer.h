#pragma once
// Buffers for pictures and their palette indices. A fresh buffer's pages are
// faulted in one by one as they are first written, which on a virtual machine costs
// more than drawing the chart; buffers of a megabyte and more (a chart's picture)
// are asked of the kernel in huge pages where it offers them, and a thread keeps the
// last few it let go of for its next chart, since a batch draws chart after chart
// alike. Smaller ones (a chart's palette indices) come from malloc: freeing one
// raises glibc's threshold for mapping memory anew, so that the indexing's other
// large vectors are then served from its heap too; taken as huge pages instead,
// they left those vectors to be mapped and faulted in at every chart (indexing took
// 0.88 instead of 0.33 ms).

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tellvane::raster {

/// Memory for at least the given number of bytes; fails with Out of memory.
void* takeLarge(std::size_t bytes, std::size_t& granted);
/// Gives back what takeLarge granted.
void giveBackLarge(void* memory, std::size_t granted);

template <typename T>
struct LargeRelease {
    explicit LargeRelease(std::size_t granted = 0) : bytes(granted) {}
    void operator()(T* memory) const { giveBackLarge(memory, bytes); }
    std::size_t bytes;
};

/// count elements, left uninitialised.
template <typename T>
using LargeBuffer = std::unique_ptr<T[], LargeRelease<T>>;

template <typename T>
LargeBuffer<T> largeBuffer(std::size_t count) {
    std::size_t granted = 0;
    T* memory = static_cast<T*>(takeLarge(count * sizeof(T), granted));
    return LargeBuffer<T>(memory, LargeRelease<T>(granted));
}

}  // namespace tellvane::raster
