#pragma once
// Fixed-size tables indexed from given bounds; an index outside fails with
// Subscript out of range. Two-dimensional tables store the first index fastest,
// so element (i, j) sits at (i - Lo1) + (Hi1 - Lo1 + 1) * (j - Lo2).

#include <array>
#include <cstddef>
#include <span>

#include "common/Error.h"

namespace tellvane {

template <typename T, long long Lo, long long Hi>
class Table {
    static_assert(Lo <= Hi);

public:
    static constexpr long long lower = Lo;
    static constexpr long long upper = Hi;

    T& operator()(long long i) { return cells_[slot(i)]; }
    const T& operator()(long long i) const { return cells_[slot(i)]; }
    /// Every element set to v.
    void fill(const T& v) { cells_.fill(v); }
    /// Elements first..last as a contiguous range; empty when last < first.
    std::span<T> range(long long first, long long last) {
        if (last < first) return {};
        const std::size_t a = slot(first), b = slot(last);  // both ends checked
        return std::span<T>(cells_.data() + a, b - a + 1);
    }

private:
    static std::size_t slot(long long i) {
        if (i < Lo || i > Hi) throw Error::subscriptOutOfRange();
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> cells_{};
};

template <typename T, long long Lo1, long long Hi1, long long Lo2, long long Hi2>
class Table2 {
    static_assert(Lo1 <= Hi1 && Lo2 <= Hi2);
    static constexpr long long width = Hi1 - Lo1 + 1;

public:
    T& operator()(long long i, long long j) { return cells_[slot(i, j)]; }
    const T& operator()(long long i, long long j) const { return cells_[slot(i, j)]; }
    /// Element k of the underlying storage, first index fastest.
    const T& element(std::size_t k) const { return cells_.at(k); }
    static constexpr std::size_t size() { return static_cast<std::size_t>(width * (Hi2 - Lo2 + 1)); }
    void fill(const T& v) { cells_.fill(v); }

private:
    static std::size_t slot(long long i, long long j) {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2) throw Error::subscriptOutOfRange();
        return static_cast<std::size_t>((i - Lo1) + width * (j - Lo2));
    }
    std::array<T, size()> cells_{};
};

}  // namespace tellvane
