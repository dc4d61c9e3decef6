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
    const HourCells* cells = nullptr;
    int cellsDay = 0;
    static const std::u16string kEmpty;
    fillBlock(Suii, span, [&](int day, int hour) -> std::u16string {
        if (day != cellsDay) {
            const auto it = series_->days.find(CivilDate{year_, span.month, day});
            cells = it == series_->days.end() ? nullptr : &it->second;
            cellsDay = day;
        }
        return cells ? (*cells)[static_cast<std::size_t>(hour - 1)] : kEmpty;
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
