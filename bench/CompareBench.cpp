// Speed of the comparison chart from a loaded record (a benchmark, not a test): the
// record's year turned into the chart's input and drawn to PNG bytes, as `tellvane
// compare` does after reading, at two sizes; and its parts: the series (bands,
// duration curves), the drawing alone, and the page. The record is ten years of
// one station, read from TELLVANE_COMPARE_DATA (a data file or folder) when set,
// else generated: hourly readings with a flood now and then.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "apps/tellvane/Commands.h"
#include "yearhost/HostedYear.h"
#include "yearhost/CompareOutputs.h"
#include "canvas/CanvasSurface.h"
#include "comparechart/CompareChart.h"
#include "comparechart/CompareSeries.h"
#include "common/Text.h"
#include "pagewriter/PageDocument.h"
#include "raster/PictureCanvas.h"
#include "record/RecordComparison.h"

namespace tellvane::bench {
namespace {

namespace fs = std::filesystem;

fs::path generatedRecord() {
    const fs::path file = fs::temp_directory_path() / ("tellvane-compare-bench-" + std::to_string(::getpid()) + ".csv");
    std::ofstream out(file);
    out << "station,date";
    for (int h = 1; h <= 24; ++h) out << ',' << h;
    out << '\n';
    std::mt19937 random(20);
    std::exponential_distribution<double> flood(8.0);
    double level = -0.9;
    for (int year = 2016; year <= 2025; ++year)
        for (int day = 0; day < 365; ++day) {
            const int month = day / 31 + 1, dom = day % 31 + 1;
            if (month > 12 || dom > 28) continue;
            char date[16];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, dom);
            out << "303011283322030," << date;
            for (int h = 0; h < 24; ++h) {
                level = -0.9 + (level + 0.9) * 0.97 + (random() % 200 == 0 ? flood(random) * 10 : 0);
                char cell[16];
                std::snprintf(cell, sizeof cell, ",%.2f", level);
                out << cell;
            }
            out << '\n';
        }
    return file;
}

// The record loaded once, as the command holds it before drawing.
const StationRecord& loadedRecord() {
    static const StationRecord record = [] {
        const char* given = std::getenv("TELLVANE_COMPARE_DATA");
        const fs::path data = given ? fs::path(given) : generatedRecord();
        const auto files = tellvane::loadFiles({data.string()}, std::nullopt);
        std::vector<StationRecord> all = recordsOf(files->records, files->catalogue, RecordRequest{});
        if (!given) fs::remove(data);
        return std::move(all.at(0));
    }();
    return record;
}

void BM_CompareToPng(benchmark::State& state) {
    const StationRecord& record = loadedRecord();
    const tellvane::ChartSize size{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    for (auto _ : state) {
        const CompareInput input = comparisonOf(record, record.years.back().year);
        benchmark::DoNotOptimize(comparePng(input, size).data());
    }
}
BENCHMARK(BM_CompareToPng)
    ->Args({1024, 768})
    ->Args({1600, 900})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_CompareSeries(benchmark::State& state) {
    const CompareInput input = comparisonOf(loadedRecord(), loadedRecord().years.back().year);
    for (auto _ : state) benchmark::DoNotOptimize(compareSeries(input).medianDuration.data());
}
BENCHMARK(BM_CompareSeries)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The drawing on a picture kept from one round to the next, without the PNG.
void BM_CompareDrawOnly(benchmark::State& state) {
    const CompareInput input = comparisonOf(loadedRecord(), loadedRecord().years.back().year);
    raster::PictureCanvas picture(pagewriter::existingFile(pagewriter::defaultTypefaces().front()));
    canvas::CanvasSurface surface(picture);
    surface.setWidth(1024 * 15);
    surface.setHeight(768 * 15);
    for (auto _ : state) {
        drawCompareChart(input, surface);
        benchmark::DoNotOptimize(picture.picture().pixels);
    }
}
BENCHMARK(BM_CompareDrawOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ComparePdf(benchmark::State& state) {
    const CompareInput input = comparisonOf(loadedRecord(), loadedRecord().years.back().year);
    const fs::path pdf = fs::temp_directory_path() / ("tellvane-compare-bench-" + std::to_string(::getpid()) + ".pdf");
    pagewriter::PageWriterOptions options;
    options.background = false;
    pagewriter::PageDocumentFactory pages(std::move(options));
    for (auto _ : state) {
        const std::unique_ptr<PlotDocument> doc = pages.create();
        plotCompareChart(input, *doc, fromUtf8(pdf.string()));
    }
    fs::remove(pdf);
}
BENCHMARK(BM_ComparePdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace tellvane::bench

BENCHMARK_MAIN();
