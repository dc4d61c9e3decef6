#include "yeardata/Duration.h"

namespace tellvane {

void sortDescending(SortBuffer& values, Int32 count) {
    for (Int32 k = 1; k <= count - 1; k += 1) {
        const double v = values((k + 1).value());
        Int32 j = k;
        while (j >= 1 && v > values(j.value())) {
            values((j + 1).value()) = values(j.value());
            j -= 1;
        }
        values((j + 1).value()) = v;
    }
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
