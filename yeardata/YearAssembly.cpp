#include "yeardata/YearAssembly.h"

#include <memory>

#include "common/CheckedInt.h"
#include "common/RealCheck.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "yeardata/AxisRange.h"
#include "yeardata/BlockSyukei.h"
#include "yeardata/Duration.h"

namespace tellvane {
namespace {

constexpr Int32 kBlocks = 36;
constexpr double kEndMarker = -999.0;

// The daily values as they arrive: count, total and extremes.
struct Collected {
    Int32 count = 0;
    double total = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};

// A day's mean text into the store, its value among the year's.
void placeDay(AnnualStore& store, int month, Int32 day, const std::u16string& mean, SortBuffer& values, Collected& c) {
    store.DayTable(month, day.value()) = mean;
    if (isBlank(mean)) return;
    const double v = leadingNumber(mean);
    c.count += 1;
    c.total = finite(c.total + v);
    values(c.count.value()) = v;
    // Extremes start from the first day, so values beyond +-999 count as well.
    if (c.count == 1 || v < c.yMin) c.yMin = v;
    if (c.count == 1 || v > c.yMax) c.yMax = v;
}

void placeBlock(const BlockArray& block, Int32 datano, long long& offset, AnnualStore& store, SortBuffer& values,
                Collected& c) {
    switch (imod(datano, Int32(3)).value()) {
        case 1:
            offset = 0;
            break;
        case 2:
            offset = 10;
            break;
        case 0:
            offset = 20;
            break;
        default:
            break;  // a negative counter keeps the previous offset
    }
    const Int32 month = idiv(datano - 1, Int32(3)) + 1;
    const Int32 days = wholeNumber(block(0, 0));
    for (Int32 k = 1; k <= days; k += 1)
        placeDay(store, month.value(), Int32::fromWide(offset) + k, block(kMeanColumn, k.value()), values, c);
}

// The statistics, the axis texts and the duration table of the days placed.
void finishYear(AnnualStore& store, YearValues values, SortBuffer& sortBuf, const Collected& c) {
    const bool haveData = c.count > 0;
    if (haveData) {
        store.Stats(kStatMax) = c.yMax;
        store.Stats(kStatMin) = c.yMin;
        store.Stats(kStatMean) = Round2(c.total / c.count.real());
    }
    const AxisRange range = axisRange(haveData, c.yMin, c.yMax);
    values.txtMax = plainDecimal(range.hi);
    values.txtMin = plainDecimal(range.lo);

    sortDescending(sortBuf, c.count);
    sortBuf((c.count + 1).value()) = kEndMarker;
    rankYear(sortBuf, c.count, store);
}

}  // namespace

Assembly assembleYear(AnnualStore& store, YearValues values, const BlockRequest& request) {
    auto block = std::make_unique<BlockArray>();
    auto sortBuf = std::make_unique<SortBuffer>();
    store.clear();

    Collected c;
    long long offset = 0;
    for (Int32 datano = 1; datano <= kBlocks;) {
        std::int32_t raised = datano.value();
        if (!request(raised, *block)) return Assembly::BlockNotLoaded;
        datano = raised;
        BlockSyukei(*block, values.Mode);
        placeBlock(*block, datano, offset, store, *sortBuf, c);
        datano += 1;
    }
    block.reset();
    finishYear(store, values, *sortBuf, c);
    return Assembly::Complete;
}

long assembleYear(AnnualStore& store, YearValues values, const std::array<int, 12>& monthDays, const DayValues& day) {
    auto sortBuf = std::make_unique<SortBuffer>();
    store.clear();
    const bool midRange = wantsMidRange(values.Mode);
    Collected c;
    long counted = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= monthDays[static_cast<std::size_t>(m - 1)]; ++d) {
            const HourValues* readings = day(m, d);
            // Only the mean reaches the store: the other aggregates stay numbers.
            const DayAggregates aggregates = readings ? aggregateReadings(*readings, midRange) : DayAggregates{};
            counted += aggregates.readings;
            placeDay(store, m, Int32(d), aggregates.mean ? twoDecimal(*aggregates.mean) : std::u16string(), *sortBuf,
                     c);
        }
    finishYear(store, values, *sortBuf, c);
    return counted;
}

}  // namespace tellvane
