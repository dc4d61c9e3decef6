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
    for (Int32 k = 1; k <= days; k += 1) {
        const std::u16string& mean = block(kMeanColumn, k.value());
        store.DayTable(month.value(), (Int32::fromWide(offset) + k).value()) = mean;
        if (isBlank(mean)) continue;
        const double v = leadingNumber(mean);
        c.count += 1;
        c.total = finite(c.total + v);
        values(c.count.value()) = v;
        // Extremes start from the first day, so values beyond +-999 count as well.
        if (c.count == 1 || v < c.yMin) c.yMin = v;
        if (c.count == 1 || v > c.yMax) c.yMax = v;
    }
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

    const bool haveData = c.count > 0;
    if (haveData) {
        store.Stats(kStatMax) = c.yMax;
        store.Stats(kStatMin) = c.yMin;
        store.Stats(kStatMean) = Round2(c.total / c.count.real());
    }
    const AxisRange range = axisRange(haveData, c.yMin, c.yMax);
    values.txtMax = plainDecimal(range.hi);
    values.txtMin = plainDecimal(range.lo);

    sortDescending(*sortBuf, c.count);
    (*sortBuf)((c.count + 1).value()) = kEndMarker;
    rankYear(*sortBuf, c.count, store);
    return Assembly::Complete;
}

}  // namespace tellvane
