// The station-year's outputs in memory as the Python module makes them
// (yearhost/YearOutputs), without Python: the chart's PNG of the sample year from
// files read once, on 1, 2 and 4 threads at once, each chart on a host and control
// of its own; and the chart redrawn and encoded on one control, the tool's part of
// a render. A benchmark, not a test.
//
// Each thread's scheduler figures (/proc/thread-self/schedstat) tell working from
// waiting: "runnable" is the share of the thread's wall time spent ready to run but
// without a CPU (the machine's other work), "blocked" the share spent asleep (a
// lock, a page fault served from disk); the rest it ran.

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "hostkit/HeadlessPlatform.h"
#include "records/YearSelection.h"
#include "yearhost/HostedYear.h"
#include "yearhost/RasterChart.h"
#include "yearhost/YearOutputs.h"

namespace tellvane::bench {
namespace {

struct SampleFiles {
    std::shared_ptr<const LoadedFiles> files =
        loadFiles({TELLVANE_SAMPLES_DIR "/nukada_303011283322030_2025.csv"}, TELLVANE_SAMPLES_DIR "/stations.csv");
    SelectedYear selected = selectYear(files->records, YearRequest{});
    std::u16string mode = modeOf(selected, std::nullopt);
};

const SampleFiles& sample() {
    static const SampleFiles files;  // read before the threads start, read-only after
    return files;
}

struct SchedStat {
    double run = 0, wait = 0;  // seconds on a CPU, seconds ready without one

    static SchedStat now() {
        std::ifstream in("/proc/thread-self/schedstat");
        long long run = 0, wait = 0;
        in >> run >> wait;
        return {run * 1e-9, wait * 1e-9};
    }
};

void schedulerCounters(benchmark::State& state, const SchedStat& before, double wall) {
    const SchedStat after = SchedStat::now();
    if (wall <= 0) return;
    const double run = (after.run - before.run) / wall, runnable = (after.wait - before.wait) / wall;
    state.counters["ran"] = benchmark::Counter(run, benchmark::Counter::kAvgThreads);
    state.counters["runnable"] = benchmark::Counter(runnable, benchmark::Counter::kAvgThreads);
    state.counters["blocked"] = benchmark::Counter(1 - run - runnable, benchmark::Counter::kAvgThreads);
}

// What Year.png() runs with the interpreter's lock released.
void BM_YearPng(benchmark::State& state) {
    const SampleFiles& s = sample();
    std::ostringstream err;
    const SchedStat before = SchedStat::now();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        HostedYear year(s.files, s.selected, s.mode);
        auto png = yearPng(year, ChartSize{}, err);
        if (!png) state.SkipWithError("the sample year did not load");
        benchmark::DoNotOptimize(png->data());
        err.str({});
    }
    schedulerCounters(state, before, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_YearPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Threads(1)->Threads(2)->Threads(4);

// The chart alone redrawn on a loaded control and encoded: no reading, no NenZu.
void BM_RedrawToPngBytes(benchmark::State& state) {
    const SampleFiles& s = sample();
    HostedYear year(s.files, s.selected, s.mode);
    IdleEventPump events;
    RasterChart chart(ChartSize{}, events, std::cerr, u".");
    year.setUp(chart.control());
    chart.control().setEvents(&year.events());
    if (!chart.control().NenZu()) state.SkipWithError("the sample year did not load");
    for (auto _ : state) {
        chart.control().ReGRaph();
        benchmark::DoNotOptimize(chart.pngBytes().data());
    }
}
BENCHMARK(BM_RedrawToPngBytes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace tellvane::bench

BENCHMARK_MAIN();
