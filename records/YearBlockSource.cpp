#include "records/YearBlockSource.h"

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
    // fillBlock asks for the block's days in order: the map is searched once for the
    // first, and walked from there (a day the series lacks is one the walk is not at).
    const auto& days = series_->days;
    auto next = days.lower_bound(CivilDate{year_, span.month, span.firstDay});
    fillBlock(Suii, span, [&](int day) -> const HourCells* {
        if (next == days.end() || next->first != CivilDate{year_, span.month, day}) return nullptr;
        return &(next++)->second;
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
