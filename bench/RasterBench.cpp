// Speed of the screen chart on the picture in memory, as `tellvane render` draws it (a benchmark, not a test): the
// whole chart of the sample year redrawn (ReGRaph, which is DrawGraph on the control's surface) at two sizes, the chart
// drawn and written as a PNG file, the PNG output alone, and its two steps: palette indexing on each vector path, and
// encoding. The CPU time reported is the whole process's.

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/SampleChart.h"
#include "raster/ColourIndex.h"
#include "raster/PngFile.h"

namespace tellvane::bench {
namespace {

void BM_DrawGraph(benchmark::State& state) {
    reportingErrors(state, [&] {
        SampleChart chart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        for (auto _ : state) {
            chart.control().ReGRaph();
            benchmark::DoNotOptimize(chart.chart().picture().pixels);
        }
    });
}
BENCHMARK(BM_DrawGraph)->Args({1024, 768})->Args({1920, 1080})->Apply(onTheWallClock);

// What a render does for its PNG: the chart drawn, its picture written.
void BM_ChartToPng(benchmark::State& state) {
    reportingErrors(state, [&] {
        QTemporaryDir dir;
        const std::string path = dir.filePath("chart.png").toStdString();
        SampleChart chart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        for (auto _ : state) {
            chart.control().ReGRaph();
            chart.chart().savePng(path);
        }
    });
}
BENCHMARK(BM_ChartToPng)->Args({1024, 768})->Apply(onTheWallClock);

// The PNG output alone: colour indexing, encoding and writing the file.
void BM_WritePngOnly(benchmark::State& state) {
    reportingErrors(state, [&] {
        QTemporaryDir dir;
        const std::string path = dir.filePath("chart.png").toStdString();
        SampleChart chart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        for (auto _ : state) chart.chart().savePng(path);
    });
}
BENCHMARK(BM_WritePngOnly)->Args({1024, 768})->Apply(onTheWallClock);

raster::PictureView pictureOf(const SampleChart& chart) { return chart.chart().picture(); }

// Palette indexing alone: path 0 portable, 1 AVX2, 2 AVX-512.
void BM_IndexColours(benchmark::State& state) {
    reportingErrors(state, [&] {
        const auto path = static_cast<raster::IndexingPath>(state.range(0));
        const std::vector<raster::IndexingPath> paths = raster::availablePaths();
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            return state.SkipWithError("this processor lacks the path");
        SampleChart chart(1024, 768);
        for (auto _ : state) benchmark::DoNotOptimize(raster::indexColours(pictureOf(chart), path).rows.get());
    });
}
BENCHMARK(BM_IndexColours)->ArgName("path")->DenseRange(0, 2)->Apply(onTheWallClock);

// The PNG file's bytes from the indexed picture: deflate and chunks, nothing written.
void BM_EncodePng(benchmark::State& state) {
    reportingErrors(state, [&] {
        SampleChart chart(1024, 768);
        const raster::IndexedImage indexed = raster::indexColours(pictureOf(chart));
        for (auto _ : state) benchmark::DoNotOptimize(raster::encodePng(indexed).data());
        state.counters["bytes"] = static_cast<double>(raster::encodePng(indexed).size());
    });
}
BENCHMARK(BM_EncodePng)->Apply(onTheWallClock);

}  // namespace
}  // namespace tellvane::bench

int main(int argc, char** argv) { return tellvane::bench::runBenchmarks(argc, argv); }
