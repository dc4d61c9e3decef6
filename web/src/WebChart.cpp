#include "web/src/WebChart.h"

#include <sys/stat.h>

#include <algorithm>

#include "common/Text.h"
#include "record/RecordCsv.h"
#include "recording/JsonLine.h"
#include "recording/StatsJson.h"
#include "records/AxisLimits.h"
#include "records/HourlyCsv.h"
#include "records/PartialYear.h"
#include "records/StationCatalogue.h"
#include "records/WaterDbFile.h"
#include "records/YearSelection.h"
#include "web/src/RecordView.h"

namespace tellvane::web {
namespace {

bool isDownload(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".dat";
}

std::string error(const std::string& message) { return JsonLine().add("error", message).str(); }

WebAnswer failed(const std::string& message) { return {error(message), message}; }

// The station's entry of the load answer: its names, years and kinds.
std::string stationJson(const StationRecords& records, const StationCatalogue& catalogue,
                        const std::u16string& station) {
    std::string years, kinds;
    std::u16string name;
    std::set<int> all;
    for (const Series* s : records.ofStation(station)) {
        all.merge(s->years());
        // Each kind once: the hourly and the daily tables of one kind are one kind.
        if (const std::string k = jsonString(kindName(s->kind)); k != "\"\"" && kinds.find(k) == std::string::npos)
            kinds += (kinds.empty() ? "" : ",") + k;
        if (s->names && name.empty()) name = s->names->Kansokujo;
    }
    if (const auto it = catalogue.find(station); it != catalogue.end()) name = it->second.Kansokujo;
    for (const int y : all) years += (years.empty() ? "" : ",") + std::to_string(y);
    return JsonLine()
        .add("station", station)
        .add("name", name)
        .addRaw("years", "[" + years + "]")
        .addRaw("kinds", "[" + kinds + "]")
        .str();
}

}  // namespace

WebChart::WebChart(canvas::Canvas& canvas, PlotDocumentFactory& plots)
    : surface_(canvas), control_(Platform{area_, surface_, screen_, messages_, settings_, folder_, events_, plots}) {}

// Bad input, an open choice and a run-time error all become the page's message.
template <typename Body>
WebAnswer WebChart::guarded(Body&& body) {
    try {
        return {body(), std::nullopt};
    } catch (const InputError& e) {
        return failed(e.what());
    } catch (const SelectionError& e) {
        return failed(e.what());
    } catch (const Error& e) {
        return failed("run-time error " + std::to_string(e.number()) + ": " + e.description());
    } catch (const std::bad_alloc&) {
        return failed("out of memory");
    }
}

std::string WebChart::load(const std::vector<PageFile>& data, const PageFile& catalogue) {
    return guarded([&] {
        auto files = std::make_shared<Files>();
        const auto read = [&](StationRecords& into) {
            for (const PageFile& f : data) {
                if (isDownload(f.name))
                    readWaterDbFile(f.text, f.name, into, DownloadEncoding::Utf8);
                else
                    readHourlyCsv(f.text, f.name, into);
            }
        };
        try {
            read(files->records);
        } catch (const RepeatedDay& repeat) {
            StationRecords::nameBothPlaces(repeat, read);  // the texts again, to name the first place
        }
        files->records.preferHourly();  // hourly month tables before the daily year table, as the tool reads them
        if (!catalogue.name.empty()) files->catalogue = readStationCatalogue(catalogue.text, catalogue.name);
        std::string stations;
        for (const auto& station : files->records.stations())
            stations += (stations.empty() ? "" : ",") + stationJson(files->records, files->catalogue, station);
        files_ = std::move(files);
        return JsonLine().addRaw("stations", "[" + stations + "]").str();
    }).json;
}

std::string WebChart::choose(const std::string& station, int year, const std::string& kind) {
    return guarded([&] {
        if (!files_) return error("no data files yet");
        YearRequest request;
        if (!station.empty()) request.station = fromUtf8(station);
        if (year != 0) request.year = year;
        if (!kind.empty()) request.kind = kind == "discharge" ? SeriesKind::Discharge : SeriesKind::Level;
        SelectedYear selected = selectYear(files_->records, request);
        auto source =
            std::make_unique<YearBlockSource>(selected.series, selected.year, namesOf(selected, files_->catalogue));
        control_.setEvents(source.get());
        control_.setKansokujoNO(selected.station);
        control_.setSeireki(selected.year);
        control_.setMode(modeOf(selected, std::nullopt));
        messages_.last.clear();
        const bool drawn = control_.NenZu();
        // The source stays with the control even when NenZu refused the year, since
        // the control keeps raising its events until the next choice.
        source_ = std::move(source);
        selected_ = selected;
        shownFiles_ = files_;
        if (!drawn) return error(toUtf8(messages_.last));
        return JsonLine()
            .add("station", selected.station)
            .add("year", static_cast<std::int32_t>(selected.year))
            .add("kind", kindName(selected.kind))
            .add("max", control_.txtMax())
            .add("min", control_.txtMin())
            .add("warning", partialYearWarning(selected, daysWithData(control_.store())))
            .str();
    }).json;
}

std::string WebChart::setLimits(const std::string& max, const std::string& min) {
    return guarded([&] {
        if (!source_) return error("no chart yet");
        if (!checkAxisLimits(max, min).ok()) return error("the axis limits are refused");
        control_.settxtMax(fromUtf8(max));
        control_.settxtMin(fromUtf8(min));
        control_.ReGRaph();
        return limits();
    }).json;
}

std::string WebChart::checkLimits(const std::string& max, const std::string& min) const {
    const AxisLimitsCheck check = checkAxisLimits(max, min);
    return JsonLine().add("max", limitProblemText(check.upper)).add("min", limitProblemText(check.lower)).str();
}

std::string WebChart::resize(int width, int height) {
    return guarded([&] {
        area_.setPixels(width, height);
        control_.Resize();
        if (source_) control_.ReGRaph();
        return limits();
    }).json;
}

std::string WebChart::stats() {
    return guarded([&] {
        if (!source_) return error("no chart yet");
        return statsJson(control_, true, YearCounts{daysWithData(control_.store()), hoursWithReadings(selected_)});
    }).json;
}

// Made once for each load, as the page asks for the table and then for its CSV.
const std::vector<StationRecord>& WebChart::stationRecords() {
    if (files_ && recordFiles_ != files_) {
        records_ = recordsOf(files_->records, files_->catalogue, RecordRequest{});
        recordFiles_ = files_;
    }
    return records_;
}

std::string WebChart::record() {
    return guarded([&] {
        if (!files_) return error("no data files yet");
        return recordViewJson(stationRecords());
    }).json;
}

std::string WebChart::recordCsv() {
    return guarded([&] {
        if (!files_) return error("no data files yet");
        return tellvane::recordCsv(stationRecords());
    }).json;
}

WebAnswer WebChart::plotted() {
    if (!source_) return failed("no chart yet");
    return guarded([&] {
        ::mkdir(toUtf8(folder_.directory()).c_str(), 0755);  // the module's file system starts empty
        control_.NenzuSakuzu();
        return JsonLine().add("file", plotFile()).str();
    });
}

std::string WebChart::limits() const {
    return JsonLine().add("max", control_.txtMax()).add("min", control_.txtMin()).str();
}

}  // namespace tellvane::web
