#include "yeardata/Duration.h"

#include <algorithm>
#include <functional>

namespace tellvane {

void sortDescending(SortBuffer& values, Int32 count) {
    // A stable sort gives the same order as sorting by insertion with a strict
    // comparison, in n log n instead of n squared.
    const auto days = values.range(1, count.value());
    std::stable_sort(days.begin(), days.end(), std::greater<double>());
}

void rankYear(const SortBuffer& sorted, Int32 count, AnnualStore& store) {
    struct Rank {
        int rank;
        int slot;
    };
    constexpr Rank kRanks[] = {{95, kStatHigh}, {185, kStatNormal}, {275, kStatLow}, {355, kStatDrought}};

    Int32 l = 1;
    for (Int32 m = 2; m <= count + 1; m += 1) {
        for (const Rank& r : kRanks)
            if (m.value() == r.rank && m <= count) store.Stats(r.slot) = sorted(r.rank);
        // The last value closes the table by position, not by comparison with the
        // end marker, which a daily mean could equal.
        const bool last = m == count + 1;
        if (last || sorted(m.value()) != sorted((m - 1).value())) {
            store.DurValue(l.value()) = sorted((m - 1).value());
            store.DurDays(l.value()) = (m - 1).value();
            l += 1;
        }
    }
    store.DurDays(l.value()) = 0;
}

}  // namespace tellvane
