#include "yeardata/BlockSyukei.h"

#include <algorithm>

#include "common/CheckedInt.h"
#include "common/RealCheck.h"
#include "common/Rounding.h"
#include "common/Text.h"

namespace tellvane {
namespace {

constexpr double kMissing = -999.0;

// A running mean of the valid readings of some hours.
struct Mean {
    double sum = 0.0;
    int count = 0;
    void add(double x) {
        sum = finite(sum + x);
        ++count;
    }
};

void aggregateDay(BlockArray& Suii, long long r, const std::u16string& mode) {
    for (int c = kSumColumn; c <= kEvenHoursColumn; ++c) Suii(c, r).clear();

    Mean all, sixEighteen, even;
    // The extremes start from the first valid reading, so that readings beyond
    // +-999 (large rivers) get their true mid-range.
    double lo = 0.0, hi = 0.0;
    for (int h = kFirstHour; h <= kLastHour; ++h) {
        const std::u16string& cell = Suii(h, r);
        if (cell.empty()) continue;
        const double x = leadingNumber(cell);
        if (x == kMissing) continue;
        if (all.count == 0) lo = hi = x;
        all.add(x);
        if (h == 6 || h == 18) sixEighteen.add(x);
        if (h % 2 == 0) even.add(x);
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    if (all.count > 0) {
        Suii(kSumColumn, r) = twoDecimal(all.sum);
        Suii(kMeanColumn, r) = twoDecimal(Round2(all.sum / all.count));
    }
    if (sixEighteen.count > 0) Suii(kSixEighteenColumn, r) = twoDecimal(Round2(sixEighteen.sum / sixEighteen.count));
    if (even.count > 0) Suii(kEvenHoursColumn, r) = twoDecimal(Round2(even.sum / even.count));
    if (all.count > 1 && mode == u"4") Suii(kMidRangeColumn, r) = twoDecimal(Round2(finite(lo + hi) / 2));
}

}  // namespace

void BlockSyukei(BlockArray& Suii, const std::u16string& mode) {
    const Int32 days = wholeNumber(Suii(0, 0));
    for (Int32 r = 1; r <= days; r += 1) aggregateDay(Suii, r.value(), mode);
}

}  // namespace tellvane
