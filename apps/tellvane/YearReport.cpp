#include "apps/tellvane/YearReport.h"

#include <array>

#include "common/Text.h"
#include "records/ShownText.h"

namespace tellvane::cli {
namespace {

struct Rank {
    int day;
    const char* name;
};

// The characteristic values that need a number of days with data.
constexpr std::array<Rank, 4> kRanks = {
    {{95, "豊水 (95th day)"}, {185, "平水 (185th day)"}, {275, "低水 (275th day)"}, {355, "渇水 (355th day)"}}};

}  // namespace

int daysWithData(const AnnualStore& store) {
    int days = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) days += store.DayTable(m, d).empty() ? 0 : 1;
    return days;
}

long hoursWithReadings(const SelectedYear& selected) {
    if (!selected.series) return 0;
    long hours = 0;
    const auto& days = selected.series->days;
    for (auto it = days.lower_bound({selected.year, 1, 1}); it != days.end() && it->first.year == selected.year; ++it)
        for (const std::u16string& cell : it->second)
            // -999 is the control's own missing marker; the readers let it through.
            hours += !cell.empty() && leadingNumber(cell) != -999.0 ? 1 : 0;
    return hours;
}

std::string partialYearWarning(const SelectedYear& selected, int days) {
    if (days >= kRanks.back().day) return {};
    const std::string stationYear = "station " + shownName(selected.station) + " " + std::to_string(selected.year);
    if (days == 0) return "warning: " + stationYear + " has no day with data; no characteristic value is reached";
    std::string missed;
    for (const Rank& r : kRanks)
        if (days < r.day) missed += (missed.empty() ? "" : ", ") + std::string(r.name);
    return "warning: " + stationYear + " has data on " + std::to_string(days) + " days; not reached: " + missed;
}

void printNotes(const StationRecords& records, const SelectedYear* selected, std::ostream& err) {
    // The records word their notes "station NO kind YYYY: ...".
    const std::string prefix = selected ? "station " + shownName(selected->station) + " " + kindName(selected->kind) +
                                              " " + std::to_string(selected->year) + ":"
                                        : "";
    for (const std::string& note : records.notes())
        if (note.starts_with(prefix)) err << "tellvane: note: " << note << '\n';
}

}  // namespace tellvane::cli
