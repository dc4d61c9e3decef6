#include "yeardata/BlockSyukei.h"

#include <algorithm>
#include <cmath>

#include "common/CheckedInt.h"
#include "common/RealCheck.h"
#include "common/Rounding.h"
#include "common/Text.h"

namespace tellvane {
namespace {

constexpr double kMissing = -999.0;

// A running mean of the valid readings of some hours. A sum that leaves the
// doubles stays outside them (readings are finite), so it is checked once at the end.
struct Mean {
    double sum = 0.0;
    int count = 0;
    void add(double x) {
        sum += x;
        ++count;
    }
    std::optional<double> value() const {
        if (count == 0) return std::nullopt;
        return Round2(finite(sum) / count);
    }
};

bool counts(double x) { return !std::isnan(x) && x != kMissing; }

void aggregateDay(BlockArray& Suii, long long r, bool midRange) {
    for (int c = kSumColumn; c <= kEvenHoursColumn; ++c) Suii(c, r).clear();
    HourValues readings;
    for (int h = kFirstHour; h <= kLastHour; ++h) {
        const std::u16string& cell = Suii(h, r);
        readings[static_cast<std::size_t>(h - kFirstHour)] = cell.empty() ? kNoReading : leadingNumber(cell);
    }
    const DayAggregates day = aggregateReadings(readings, midRange);
    const auto put = [&](int column, const std::optional<double>& value) {
        if (value) Suii(column, r) = twoDecimal(*value);
    };
    put(kSumColumn, day.sum);
    put(kMeanColumn, day.mean);
    put(kSixEighteenColumn, day.sixEighteen);
    put(kEvenHoursColumn, day.evenHours);
    put(kMidRangeColumn, day.midRange);
}

}  // namespace

DayAggregates aggregateReadings(const HourValues& readings, bool midRange) {
    Mean all, sixEighteen, even;
    // Hours in pairs, odd then even: hour h is readings[h - 1].
    for (std::size_t i = 0; i < readings.size(); i += 2) {
        if (const double x = readings[i]; counts(x)) all.add(x);
        if (const double x = readings[i + 1]; counts(x)) {
            all.add(x);
            even.add(x);
            if (i + 2 == 6 || i + 2 == 18) sixEighteen.add(x);
        }
    }
    DayAggregates day;
    day.readings = all.count;
    if (all.count > 0) day.sum = finite(all.sum);
    day.mean = all.value();
    day.sixEighteen = sixEighteen.value();
    day.evenHours = even.value();
    if (all.count > 1 && midRange) {
        // The extremes start from the first valid reading, so that readings beyond
        // +-999 (large rivers) get their true mid-range.
        double lo = 0.0, hi = 0.0;
        bool first = true;
        for (const double x : readings) {
            if (!counts(x)) continue;
            lo = first ? x : std::min(lo, x);
            hi = first ? x : std::max(hi, x);
            first = false;
        }
        day.midRange = Round2(finite(lo + hi) / 2);
    }
    return day;
}

void BlockSyukei(BlockArray& Suii, const std::u16string& mode) {
    const Int32 days = wholeNumber(Suii(0, 0));
    const bool midRange = wantsMidRange(mode);
    for (Int32 r = 1; r <= days; r += 1) aggregateDay(Suii, r.value(), midRange);
}

}  // namespace tellvane
