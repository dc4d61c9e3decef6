// Speed of the toolkit-free core: one block's aggregation, a whole year's assembly
// without drawing, and the screen chart's drawing calls on a surface that does nothing.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "common/Text.h"
#include "control/TZenzu.h"
#include "hostkit/TenDayBlocks.h"
#include "recording/NullSurface.h"
#include "screenchart/DrawGraph.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/YearHost.h"
#include "yeardata/BlockSyukei.h"

namespace tellvane {
namespace {

// A plausible stage: a seasonal swing with an hourly ripple, in metres.
std::u16string reading(int month, int day, int hour) {
    const double v = 321.6 + 0.3 * std::sin(month * 0.5 + day * 0.2) + 0.01 * hour;
    return plainDecimal(std::round(v * 100) / 100);
}

void BM_BlockSyukei(benchmark::State& state) {
    auto block = std::make_unique<BlockArray>();
    const BlockSpan span = blockSpan(2023, 3);
    fillBlock(*block, span, [&](int day, int hour) { return reading(span.month, day, hour); });
    for (auto _ : state) {
        BlockSyukei(*block, u"1");
        benchmark::DoNotOptimize(block.get());
    }
}
BENCHMARK(BM_BlockSyukei);

// The host answers from pre-filled blocks, so that only the control is timed.
struct PrefilledHost : TZenzuEvents {
    std::vector<std::unique_ptr<BlockArray>> blocks;
    PrefilledHost() {
        for (int datano = 1; datano <= 36; ++datano) {
            auto b = std::make_unique<BlockArray>();
            const BlockSpan span = blockSpan(2023, datano);
            fillBlock(*b, span, [&](int day, int hour) { return reading(span.month, day, hour); });
            blocks.push_back(std::move(b));
        }
    }
    // Only the cells a host fills: the day count and the readings.
    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override {
        const BlockArray& b = *blocks[static_cast<std::size_t>(datano - 1)];
        Suii(0, 0) = b(0, 0);
        const int days = blockSpan(2023, datano).days;
        for (int r = 1; r <= days; ++r)
            for (int h = 1; h <= 24; ++h) Suii(h, r) = b(h, r);
        ret = true;
    }
};

void BM_NenZuFullYearNoDrawing(benchmark::State& state) {
    test::TestPlatform fakes;
    NullSurface surface(1024, 768);
    Platform platform = fakes.platform();
    Platform nullPlatform{platform.container, surface,          platform.screen, platform.messageBox,
                          platform.settings,  platform.library, platform.events, platform.plotDocuments};
    TZenzu control(nullPlatform);
    PrefilledHost host;
    control.setEvents(&host);
    control.setMode(u"1");
    for (auto _ : state) benchmark::DoNotOptimize(control.NenZu());
}
BENCHMARK(BM_NenZuFullYearNoDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tellvane

BENCHMARK_MAIN();
