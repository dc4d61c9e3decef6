#include "records/PartialYear.h"

#include <array>

#include "records/ShownText.h"

namespace tellvane {
namespace {

struct Rank {
    int day;
    const char* name;
};

// The characteristic values that need a number of days with data.
constexpr std::array<Rank, 4> kRanks = {
    {{95, "豊水 (95th day)"}, {185, "平水 (185th day)"}, {275, "低水 (275th day)"}, {355, "渇水 (355th day)"}}};

}  // namespace

std::string partialYearWarning(const SelectedYear& selected, int days) {
    if (days >= kRanks.back().day) return {};
    const std::string stationYear = "station " + shownName(selected.station) + " " + std::to_string(selected.year);
    if (days == 0) return stationYear + " has no day with data; no characteristic value is reached";
    std::string missed;
    for (const Rank& r : kRanks)
        if (days < r.day) missed += (missed.empty() ? "" : ", ") + std::string(r.name);
    return stationYear + " has data on " + std::to_string(days) + " days; not reached: " + missed;
}

}  // namespace tellvane
