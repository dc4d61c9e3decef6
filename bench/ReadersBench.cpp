// Speed of the readers on text already in memory: the 50-year hourly CSV that
// tools/make_record_csv.py writes (kept whole, one year kept, nothing kept), its
// records alone, and the sample downloads of the database. Bytes per second are
// the figure to read.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "records/CsvRecords.h"
#include "records/DataFiles.h"
#include "records/HourlyCsv.h"
#include "records/WaterDbFile.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;

// The record's text: the file named by TELLVANE_RECORD_CSV, else the generator's
// default written once to a temporary file.
const std::string& recordCsv() {
    static const std::string text = [] {
        if (const char* given = std::getenv("TELLVANE_RECORD_CSV")) return readWholeFile(given);
        const fs::path file = fs::temp_directory_path() / "tellvane-bench-record.csv";
        const std::string command = "python3 '" TELLVANE_SOURCE_DIR "/tools/make_record_csv.py' --out '" +
                                    file.string() + "'";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot run " + command);
        std::string bytes = readWholeFile(file);
        fs::remove(file);
        return bytes;
    }();
    return text;
}

void readRecord(benchmark::State& state, const std::optional<KeptYears>& kept) {
    const std::string& text = recordCsv();
    for (auto _ : state) {
        StationRecords records;
        records.keepOnly(kept);
        readHourlyCsv(text, "record.csv", records);
        benchmark::DoNotOptimize(records.all().front().days.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_HourlyCsv_KeepAll(benchmark::State& state) { readRecord(state, std::nullopt); }
BENCHMARK(BM_HourlyCsv_KeepAll)->Unit(benchmark::kMillisecond);

// What `tellvane stats` does: every row checked, one year's readings kept.
void BM_HourlyCsv_KeepOneYear(benchmark::State& state) {
    readRecord(state, KeptYears{u"303011283322030", 2000});
}
BENCHMARK(BM_HourlyCsv_KeepOneYear)->Unit(benchmark::kMillisecond);

// The index a host builds before it reads one station-year again.
void BM_HourlyCsv_KeepNone(benchmark::State& state) { readRecord(state, KeptYears{{}, {}, true}); }
BENCHMARK(BM_HourlyCsv_KeepNone)->Unit(benchmark::kMillisecond);

// Every station-year kept in turn as text, then let go.
void BM_HourlyCsv_KeepEachYearInTurn(benchmark::State& state) {
    KeptYears kept;
    kept.eachYear = [](const Series& series, int) { benchmark::DoNotOptimize(series.days.size()); };
    readRecord(state, kept);
}
BENCHMARK(BM_HourlyCsv_KeepEachYearInTurn)->Unit(benchmark::kMillisecond);

// What `tellvane record` does: the same, the readings kept as numbers.
void BM_HourlyCsv_KeepEachYearAsNumbers(benchmark::State& state) {
    KeptYears kept;
    kept.eachYear = [](const Series& series, int) { benchmark::DoNotOptimize(series.values.size()); };
    kept.asNumbers = true;
    readRecord(state, kept);
}
BENCHMARK(BM_HourlyCsv_KeepEachYearAsNumbers)->Unit(benchmark::kMillisecond);

void BM_CsvRecords(benchmark::State& state) {
    const std::string& text = recordCsv();
    for (auto _ : state) {
        std::size_t cells = 0;
        readCsvRecords(text, "record.csv", [&](const CsvRecord& r) { cells += r.cells.size(); });
        benchmark::DoNotOptimize(cells);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CsvRecords)->Unit(benchmark::kMillisecond);

void readDownload(benchmark::State& state, const char* name) {
    const std::string bytes = readWholeFile(fs::path(TELLVANE_SOURCE_DIR "/samples/moshiri_301011281104010") / name);
    for (auto _ : state) {
        StationRecords records;
        readWaterDbFile(bytes, name, records);
        benchmark::DoNotOptimize(records.all().front().days.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_WaterDb_HourlyMonth(benchmark::State& state) { readDownload(state, "hourly/jikoku_suii_2023-01.dat"); }
BENCHMARK(BM_WaterDb_HourlyMonth);

void BM_WaterDb_DailyYear(benchmark::State& state) { readDownload(state, "daily/nichi_suii_2023.dat"); }
BENCHMARK(BM_WaterDb_DailyYear);

}  // namespace
}  // namespace tellvane

BENCHMARK_MAIN();
