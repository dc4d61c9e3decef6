#include <filesystem>
#include <memory>

#include "apps/tellvane/ChartFiles.h"
#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/CompareOutputs.h"
#include "yearhost/HostedYear.h"
#include "common/Text.h"
#include "comparechart/CompareChart.h"
#include "pagewriter/PageDocument.h"
#include "record/RecordChoice.h"
#include "record/RecordComparison.h"
#include "records/ShownText.h"

namespace tellvane::cli {
namespace {

RecordRequest recordRequest(const CompareOptions& o) {
    RecordRequest r;
    if (o.station) r.station = fromUtf8(*o.station);
    if (o.kind) r.kind = *o.kind == "discharge" ? SeriesKind::Discharge : SeriesKind::Level;
    return r;
}

// The one record the options ask for, read a station-year at a time; nullptr when
// the data has no readings of the station.
std::unique_ptr<StationRecord> chosenRecord(const CompareOptions& o, bool& bothKinds) {
    const auto index = loadFiles(o.data, o.stations, KeptYears{std::nullopt, std::nullopt, true});
    std::vector<StationRecord> all = recordsReadYearByYear(index->records, index->catalogue, recordRequest(o));
    if (all.empty()) return nullptr;
    const StationRecord* chosen = chooseRecord(all, recordRequest(o).kind);
    if (!chosen) return nullptr;
    // Named as batch names a year's charts: by the kinds the data holds, whichever is asked for.
    bool level = false, discharge = false;
    for (const Series* s : index->records.ofStation(all[0].station)) {
        level = level || s->kind == SeriesKind::Level;
        discharge = discharge || s->kind == SeriesKind::Discharge;
    }
    bothKinds = level && discharge;
    return std::make_unique<StationRecord>(*chosen);
}

// NO_YYYY_compare, or NO_YYYY_level_compare and NO_YYYY_discharge_compare where the
// station has both kinds, as batch names a year's charts.
std::string compareStem(const StationRecord& record, int year, bool bothKinds) {
    SelectedYear selected;
    selected.station = record.station;
    selected.year = year;
    const std::string stem = chartStem(selected);
    return stem + (bothKinds ? std::string("_") + kindName(record.kind) : "") + "_compare";
}

// A message of the page writer names the file it was given; the user's is the one to name.
std::string renamed(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

int runCompare(const CompareOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        bool bothKinds = false;
        const std::unique_ptr<StationRecord> record = chosenRecord(options, bothKinds);
        if (!record || !hasDay(*record, options.year)) {
            const std::string station = record ? shownName(record->station) : options.station.value_or("");
            err << "tellvane: no readings for station " << station << " in " << options.year
                << (options.kind ? " (" + *options.kind + ")" : std::string()) << "; the data holds "
                << (record ? kindName(record->kind) + std::string(" readings of ") + yearsHeld(*record)
                           : std::string("no such station"))
                << '\n';
            return kBlockNotLoaded;
        }
        const CompareInput input = comparisonOf(*record, options.year);
        const std::filesystem::path dir(options.out);
        const ChartPaths paths = chartPaths(dir, compareStem(*record, options.year, bothKinds));
        const std::vector<std::uint8_t> png = comparePng(input, options.size);
        writeChartFiles(paths, png, [&](const std::filesystem::path& pdf) {
            pagewriter::PageWriterOptions pageOptions;
            pageOptions.background = false;  // one page, written while we wait for it anyway
            pagewriter::PageDocumentFactory pages(std::move(pageOptions));
            const std::unique_ptr<PlotDocument> doc = pages.create();
            try {
                plotCompareChart(input, *doc, fromUtf8(pdf.string()));
            } catch (const Error& e) {
                throw Error(e.number(), renamed(e.description(), pdf.string(), paths.pdf.string()));
            }
        });
        out << paths.png.string() << '\n' << paths.pdf.string() << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
