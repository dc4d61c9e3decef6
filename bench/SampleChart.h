#pragma once
// The chart the output benchmarks time: the bundled sample year (額田, 2025, hourly
// stage) loaded into a control as `tellvane render` hosts it, drawing on a picture
// in memory and plotting PDF pages with the real plot document factory.

#include <benchmark/benchmark.h>

#include <iostream>
#include <stdexcept>
#include <string>

#include "yearhost/HostedYear.h"
#include "yearhost/RasterChart.h"
#include "apps/tellvane/YearOptions.h"
#include "common/Error.h"
#include "hostkit/SleepingEventPump.h"

namespace tellvane::bench {

/// The station-year the peer comparison also draws.
inline cli::YearOptions sampleYear() {
    cli::YearOptions options;
    options.data = {TELLVANE_SAMPLES_DIR "/nukada_303011283322030_2025.csv"};
    options.stations = TELLVANE_SAMPLES_DIR "/stations.csv";
    return options;
}

class SampleChart {
public:
    /// The year loaded and drawn once (NenZu) at the size; plotted pages go to
    /// libraryDirectory (absolute, no trailing separator).
    SampleChart(int width, int height, std::u16string libraryDirectory = u"")
        : year_(sampleYear().query(), std::cerr),
          chart_(ChartSize{width, height}, pump_, std::cerr, std::move(libraryDirectory)) {
        year_.setUp(chart_.control());
        chart_.control().setEvents(&year_.events());
        if (!chart_.control().NenZu()) throw std::runtime_error("the sample year did not load");
    }

    TZenzu& control() { return chart_.control(); }
    const RasterChart& chart() const { return chart_; }

private:
    SleepingEventPump pump_;
    HostedYear year_;
    RasterChart chart_;
};

/// Runs a benchmark's body, turning a run-time error into a skipped benchmark with
/// its message rather than an abort.
template <typename Body>
void reportingErrors(benchmark::State& state, Body body) {
    try {
        body();
    } catch (const Error& e) {
        state.SkipWithError(e.description().c_str());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

/// How the output benchmarks count: milliseconds of wall-clock time, since the plot
/// document hands work to a thread of its own, with the whole process's CPU
/// time beside it. For ->Apply().
inline void onTheWallClock(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

/// The main of an output benchmark.
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace tellvane::bench
