#include "records/YearBlockSource.h"

#include <iterator>
#include <utility>

#include "hostkit/TenDayBlocks.h"

namespace tellvane {
namespace {

constexpr int kBlocksPerYear = 36;

}  // namespace

YearBlockSource::YearBlockSource(const Series* series, int year, StationNames names)
    : series_(series), year_(year), names_(std::move(names)), loaded_(series && series->hasYear(year)) {
    if (loaded_) next_ = series_->days.end();
}

void YearBlockSource::GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
    if (!loaded_ || datano < 1 || datano > kBlocksPerYear) return;
    const BlockSpan span = blockSpan(year_, datano);
    const auto& days = series_->days;
    fillBlock(Suii, span, [&](int day) -> const HourCells* {
        const CivilDate date{year_, span.month, day};
        auto it = next_ != days.end() && next_->first == date ? next_ : days.find(date);
        if (it == days.end()) return nullptr;
        next_ = std::next(it);
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
