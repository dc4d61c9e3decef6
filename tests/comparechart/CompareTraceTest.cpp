#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "comparechart/CompareChart.h"
#include "comparechart/CompareLayout.h"
#include "comparechart/CompareSeries.h"
#include "comparechart/PagePainter.h"
#include "comparechart/SurfacePainter.h"
#include "recording/RecordingPlotDocument.h"
#include "recording/RecordingSurface.h"
#include "tests/support/Trace.h"

namespace tellvane {
namespace {

using test::Json;
using test::Lines;

// Ten years, 2016 to 2025, each day's value the slot's hundredth plus the year's
// distance from 2016: on any day the nine other years are base + 0, 1, ..., 8, whose
// type 7 percentiles are base + 8p (so 10 % at base + 0.8, 90 % at base + 7.2).
CompareInput tenYears() {
    CompareInput input;
    input.station = u"303011283322030";
    input.name = u"額田";
    input.year = 2025;
    for (int k = 0; k < 10; ++k) {
        CompareYear y{2016 + k, {}};
        for (int slot = 0; slot < kDaySlots; ++slot)
            if (slot != kLeapDaySlot || isLeapYear(y.year)) y.daily[static_cast<std::size_t>(slot)] = slot / 100.0 + k;
        input.years.push_back(y);
    }
    for (int year = 2016; year <= 2024; ++year) input.periodYears.push_back(year);
    input.yearValues = {12.65, 10.5, 9.8, 9.1, 9.0, 9.0, 10.8};
    input.periodValues = {8.5, std::nullopt, 5.0, 4.0, 3.0, 2.5, 4.6};
    return input;
}

double base(int slot) { return slot / 100.0; }

// The drawn calls of one kind, parsed, in the order drawn.
std::vector<Json> calls(const Lines& lines, const std::function<bool(const Json&)>& keep) {
    std::vector<Json> out;
    for (const auto& l : lines) {
        Json j = test::parsed(l);
        if (keep(j)) out.push_back(std::move(j));
    }
    return out;
}

const int kCheckedSlots[] = {0, 58, kLeapDaySlot, 60, 200, 365};

TEST(CompareChart, ScreenBandsAndLinesStandAtTheirPercentiles) {
    const CompareInput input = tenYears();
    RecordingSurface surface(1024, 768);
    drawCompareChart(input, surface);
    const CompareSeries series = compareSeries(input);
    const CompareLayout layout =
        compareLayout({1024, 768, SurfacePainter::kEmPixels}, valueAxis(series.lowest, series.highest));
    // Half a pixel either way, as the surface rounds.
    const double tolerance = 0.5 / std::abs(layout.value.toDevice(1) - layout.value.toDevice(0)) + 1e-6;

    // The 10-90 % band is the only silver fill: one a day, in the days' order.
    const auto middle = calls(surface.lines(), [](const Json& j) { return j["op"] == "fill_box" && j["color"] == 7; });
    ASSERT_GE(middle.size(), std::size_t{kDaySlots});
    for (const int slot : kCheckedSlots) {
        const Json& b = middle[static_cast<std::size_t>(slot)];
        EXPECT_NEAR(layout.day.toDevice(slot), b["x1"].get<double>(), 0.5) << slot;
        EXPECT_NEAR(layout.value.toValue(b["y1"].get<double>()), base(slot) + 7.2, tolerance) << slot;
        EXPECT_NEAR(layout.value.toValue(b["y2"].get<double>()), base(slot) + 0.8, tolerance) << slot;
    }

    // Median (navy) and the chosen year (light red): a tread over each day.
    for (const auto& line : {std::pair{1, 4.0}, {12, 9.0}}) {
        const int colour = line.first;
        const double offset = line.second;
        const auto treads = calls(surface.lines(), [&](const Json& j) {
            return j["op"] == "line" && j["color"] == colour && j["y1"] == j["y2"] &&
                   j["x1"].get<double>() < layout.daily.right;
        });
        for (const int slot : kCheckedSlots) {
            if (colour == 12 && slot == kLeapDaySlot) continue;  // 2025 has no 29 February
            const double left = layout.day.toDevice(slot);
            const auto tread = std::find_if(treads.begin(), treads.end(), [&](const Json& j) {
                return std::abs(j["x1"].get<double>() - left) < 0.01;
            });
            ASSERT_NE(tread, treads.end()) << colour << " at " << slot;
            EXPECT_NEAR(layout.value.toValue((*tread)["y1"].get<double>()), base(slot) + offset, 1e-4) << slot;
        }
    }
}

TEST(CompareChart, PageHatchesStandAtTheSamePercentiles) {
    const CompareInput input = tenYears();
    CallLog log;
    PlotPolls polls;
    RecordingPlotDocument doc(log, polls);
    plotCompareChart(input, doc, u"compare.pdf");
    const CompareSeries series = compareSeries(input);
    const PainterSize size{400, 277, PagePainter::kEm};
    const CompareLayout layout = compareLayout(size, valueAxis(series.lowest, series.highest));
    const auto pageY = [](double y) { return PagePainter::kSheetHeight - PagePainter::kMargin - y; };

    // The 10-90 % hatch: grey, solid, twice the pen's width; one line a day.
    const auto middle = calls(log.lines(), [](const Json& j) {
        return j["op"] == "DrawLine" && j["pen"] == 7 && j["opt"] == Json::parse("[0,1,2]");
    });
    ASSERT_GE(middle.size(), std::size_t{kDaySlots});
    for (const int slot : kCheckedSlots) {
        const Json& h = middle[static_cast<std::size_t>(slot)];
        const double x = PagePainter::kMargin + (layout.day.toDevice(slot) + layout.day.toDevice(slot + 1)) / 2;
        EXPECT_NEAR(h["x1"].get<double>(), x, 1e-6) << slot;
        EXPECT_NEAR(layout.value.toValue(pageY(h["y1"].get<double>())), base(slot) + 7.2, 1e-9) << slot;
        EXPECT_NEAR(layout.value.toValue(pageY(h["y2"].get<double>())), base(slot) + 0.8, 1e-9) << slot;
    }
    EXPECT_TRUE(test::hasLine(log.lines(), "OutputToFile", "compare.pdf"));
    EXPECT_TRUE(test::hasLine(log.lines(), "CloseDocument", ""));
}

TEST(CompareChart, TheTableShowsBothRowsOfValues) {
    RecordingSurface surface(1024, 768);
    drawCompareChart(tenYears(), surface);
    const Lines& lines = surface.lines();
    for (const char* text : {"12.65", "10.50", "10.80", "8.50", "4.60", "－", "2025 年", "期間平均",
                             "期間 ： 2016〜2024 年のうち 9 年", "比べる年 ： 2016〜2024 年（9 年）"})
        EXPECT_TRUE(test::hasLine(lines, "print", text)) << text;
}

}  // namespace
}  // namespace tellvane
