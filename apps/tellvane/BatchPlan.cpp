#include "apps/tellvane/BatchPlan.h"

#include <set>

#include "common/Text.h"
#include "yearhost/YearCharts.h"

namespace tellvane::cli {
namespace {

// The kind in a file name; a series of no stated kind is "data".
const char* stemKind(SeriesKind kind) { return kind == SeriesKind::Unstated ? "data" : kindName(kind); }

}  // namespace

std::vector<BatchItem> planBatch(const StationRecords& records) {
    std::vector<BatchItem> items;
    for (const std::u16string& station : records.stations()) {
        const std::vector<const Series*> series = records.ofStation(station);
        std::set<int> years;
        for (const Series* s : series) years.merge(s->years());
        for (const int year : years) {
            std::vector<const Series*> inYear;
            for (const Series* s : series)
                if (s->hasYear(year)) inYear.push_back(s);
            for (const Series* s : inYear) {
                BatchItem item{
                    SelectedYear{
                        .station = station, .year = year, .series = s, .kind = s->kind, .absence = {}, .note = {}},
                    chartStem(SelectedYear{
                        .station = station, .year = year, .series = nullptr, .kind = {}, .absence = {}, .note = {}}),
                    toUtf8(station) + " " + std::to_string(year)};
                if (inYear.size() > 1) {
                    item.stem += std::string("_") + stemKind(s->kind);
                    item.label += std::string(" ") + stemKind(s->kind);
                }
                items.push_back(std::move(item));
            }
        }
    }
    return items;
}

}  // namespace tellvane::cli
