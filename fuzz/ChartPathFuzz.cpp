// The path a data file takes into a chart: a reader, the year's selection, the
// blocks the host answers with, the control, and its recorded screen chart and
// plotted page. Bad input must end in InputError or SelectionError, and a year the
// control cannot chart in one of its run-time errors; anything else (a crash, a
// hang, a leak, undefined behaviour, another exception) is a finding.
//
// The first byte chooses how the file is read and what is asked of it: bit 0 the
// reader (.dat or hourly CSV), bits 1-2 the kind asked for, bits 3-5 the station
// and bits 6-7 the year (as indices into what the file holds), so that most inputs
// reach the control instead of stopping at an ambiguous selection.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "control/TZenzu.h"
#include "hostkit/HeadlessPlatform.h"
#include "recording/RecordingPlotDocument.h"
#include "recording/RecordingSurface.h"
#include "records/HourlyCsv.h"
#include "records/StationCatalogue.h"
#include "records/WaterDbFile.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"

namespace {

using namespace tellvane;

struct Request {
    bool waterDb;
    std::optional<SeriesKind> kind;
    unsigned station;
    unsigned year;
};

Request requestOf(std::uint8_t options) {
    static constexpr std::optional<SeriesKind> kKinds[] = {std::nullopt, SeriesKind::Level, SeriesKind::Discharge,
                                                           SeriesKind::Unstated};
    return {(options & 1) != 0, kKinds[(options >> 1) & 3], (options >> 3) & 7u, (options >> 6) & 3u};
}

// The station and year the request's indices point at; a station without readings
// keeps the year 2023, which the control is told as a block not loaded.
std::optional<YearRequest> pick(const StationRecords& records, const Request& request) {
    const auto stations = records.stations();
    if (stations.empty()) return std::nullopt;
    const std::u16string& station = stations[request.station % stations.size()];
    std::set<int> years;
    for (const Series* s : records.ofStation(station)) years.merge(s->years());
    int year = 2023;
    if (!years.empty()) year = *std::next(years.begin(), static_cast<long>(request.year % years.size()));
    return YearRequest{station, year, request.kind};
}

// NenZu, then the page and a redraw with the limits NenZu chose, each on the
// recording realisations.
void chart(const SelectedYear& selected) {
    RecordingSurface surface(1024, 768);
    RecordingPlotDocumentFactory plots;
    plots.polls().busyFor = 2;  // the wait after the output runs
    EmptySettings settings;
    IdleEventPump idle;
    std::ostringstream messages;
    HeadlessPlatform headless(HeadlessParts{surface, plots, settings, idle}, messages, u".");
    const Platform platform = headless.platform();
    YearBlockSource source(selected.series, selected.year, namesOf(selected, StationCatalogue{}));
    TZenzu control(platform);
    control.setKansokujoNO(selected.station);
    control.setSeireki(selected.year);
    control.setMode(modeOf(selected, std::nullopt));
    control.setEvents(&source);
    if (!control.NenZu()) return;
    control.NenzuSakuzu();
    control.ReGRaph();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const Request request = requestOf(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        StationRecords records;
        if (request.waterDb)
            readWaterDbFile(bytes, "fuzz.dat", records);
        else
            readHourlyCsv(bytes, "fuzz.csv", records);
        const auto asked = pick(records, request);
        if (asked) chart(selectYear(records, *asked));
    } catch (const InputError&) {
    } catch (const SelectionError&) {
    } catch (const Error&) {
    }
    return 0;
}
