#include "records/YearBlockSource.h"

#include <iterator>
#include <utility>

#include "hostkit/TenDayBlocks.h"

namespace tellvane {
namespace {

constexpr int kBlocksPerYear = 36;

}  // namespace

YearBlockSource::YearBlockSource(const Series* series, int year, StationNames names)
    : series_(series), year_(year), names_(std::move(names)), loaded_(series && series->hasYear(year)) {}

void YearBlockSource::GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
    if (!loaded_ || datano < 1 || datano > kBlocksPerYear) return;
    const BlockSpan span = blockSpan(year_, datano);
    // The block's days are asked for in order: the one after the day found is looked
    // at first, so that a block costs one search of the map, not one a day.
    const auto& days = series_->days;
    auto next = days.lower_bound(CivilDate{year_, span.month, span.firstDay});
    fillBlock(Suii, span, [&](int day) -> const HourCells* {
        const CivilDate date{year_, span.month, day};
        const auto it = next != days.end() && next->first == date ? next : days.find(date);
        if (it == days.end()) return nullptr;
        next = std::next(it);
        return &it->second;
    });
    ret = true;
}

void YearBlockSource::GetLKansokujo(std::u16string&, std::u16string& Kansokujo, std::u16string& Suikei,
                                    std::u16string& Kasen) {
    Kansokujo = names_.Kansokujo;
    Suikei = names_.Suikei;
    Kasen = names_.Kasen;
}

}  // namespace tellvane
