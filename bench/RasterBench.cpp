// Speed of the screen chart on the Qt raster surface, as `tellvane render` and the
// viewer draw it (a benchmark, not a test): the whole chart of the sample year
// redrawn (ReGRaph, which is DrawGraph on the control's surface) at two sizes, the
// chart drawn and written as a PNG file, and the PNG output alone. The CPU time
// reported is the whole process's, in case Qt hands work to threads of its own.

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

#include <string>

#include "bench/SampleChart.h"

namespace tellvane::bench {
namespace {

void BM_DrawGraph(benchmark::State& state) {
    reportingErrors(state, [&] {
        SampleChart chart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        for (auto _ : state) {
            chart.control().ReGRaph();
            benchmark::DoNotOptimize(chart.surface().image().constBits());
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
            chart.surface().savePng(path);
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
        for (auto _ : state) chart.surface().savePng(path);
    });
}
BENCHMARK(BM_WritePngOnly)->Args({1024, 768})->Apply(onTheWallClock);

}  // namespace
}  // namespace tellvane::bench

int main(int argc, char** argv) { return tellvane::bench::runWithGuiApplication(argc, argv); }
