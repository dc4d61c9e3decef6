// Speed of the Qt realisation (a benchmark, not a test): the screen chart of a full
// year redrawn on a 1920 x 1080 picture, and a chart at 1024 x 768 drawn and saved
// as PNG. Run with --benchmark_repetitions=N to see medians.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "common/Text.h"
#include "qt/TZenzuWidget.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

// A plausible stage: a seasonal swing with an hourly ripple, in metres.
test::YearHost fullYear() {
    return test::YearHost(2023, [](int month, int day, int hour) {
        const double v = 321.6 + 0.3 * std::sin(month * 0.5 + day * 0.2) + 0.01 * hour;
        return plainDecimal(std::round(v * 100) / 100);
    });
}

void loadChart(TZenzuWidget& widget, test::YearHost& host, int width, int height) {
    widget.setEvents(&host);
    widget.resize(width, height);
    widget.show();
    widget.control().setKansokujoNO(u"301011281104020");
    widget.control().setSeireki(2023);
    if (!widget.control().NenZu()) throw std::runtime_error("the year did not load");
}

void BM_ReGRaph1920x1080(benchmark::State& state) {
    test::YearHost host = fullYear();
    TZenzuWidget widget;
    loadChart(widget, host, 1920, 1080);
    for (auto _ : state) widget.control().ReGRaph();
}
BENCHMARK(BM_ReGRaph1920x1080)->Unit(benchmark::kMillisecond);

void BM_ChartToPng1024x768(benchmark::State& state) {
    test::YearHost host = fullYear();
    TZenzuWidget widget;
    loadChart(widget, host, 1024, 768);
    const std::string path = "/tmp/tellvane-bench-chart.png";
    for (auto _ : state) {
        widget.control().ReGRaph();
        widget.picture().savePng(path);
    }
}
BENCHMARK(BM_ChartToPng1024x768)->Unit(benchmark::kMillisecond);

void BM_SavePng1024x768(benchmark::State& state) {
    test::YearHost host = fullYear();
    TZenzuWidget widget;
    loadChart(widget, host, 1024, 768);
    const std::string path = "/tmp/tellvane-bench-chart.png";
    for (auto _ : state) widget.picture().savePng(path);
}
BENCHMARK(BM_SavePng1024x768)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tellvane

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
