#include "raster/LargeBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "common/Error.h"

namespace tellvane::raster {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLarge = kHugePage / 2;  // see the header for why not less

// What a thread let go of, kept for its next chart: a picture and its indices, of
// one or two sizes.
struct Spares {
    struct Spare {
        void* memory = nullptr;
        std::size_t bytes = 0;
    };
    std::array<Spare, 4> kept{};
    ~Spares() {
        for (const Spare& s : kept) std::free(s.memory);
    }
};
thread_local Spares spares;

}  // namespace

void* takeLarge(std::size_t bytes, std::size_t& granted) {
    bytes = std::max<std::size_t>(bytes, 1);
    if (bytes < kLarge) {
        granted = bytes;
        void* small = std::malloc(bytes);
        if (!small) throw Error(kOutOfMemory, {}, {});
        return small;
    }
    granted = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    for (Spares::Spare& s : spares.kept)
        if (s.memory && s.bytes == granted) return std::exchange(s.memory, nullptr);
    void* memory = std::aligned_alloc(kHugePage, granted);
    if (!memory) throw Error(kOutOfMemory, {}, {});
#ifdef MADV_HUGEPAGE
    ::madvise(memory, granted, MADV_HUGEPAGE);  // a hint: without huge pages the buffer works the same
#endif
    return memory;
}

void giveBackLarge(void* memory, std::size_t granted) {
    if (memory && granted >= kLarge)
        for (Spares::Spare& s : spares.kept)
            if (!s.memory) {
                s = {memory, granted};
                return;
            }
    std::free(memory);
}

}  // namespace tellvane::raster
