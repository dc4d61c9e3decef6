#include "comparechart/CompareCurves.h"

#include <span>

namespace tellvane {
namespace {

double bandTop(const DayBand& b, Ink ink) {
    return ink == Ink::OuterBand ? b.max : ink == Ink::MiddleBand ? b.p90 : b.p75;
}
double bandBottom(const DayBand& b, Ink ink) {
    return ink == Ink::OuterBand ? b.min : ink == Ink::MiddleBand ? b.p10 : b.p25;
}

// Values ranked from the largest, each tread as wide as one day.
void staircase(ComparePainter& painter, const CompareLayout& layout, std::span<const double> ranked, Ink ink) {
    std::size_t start = 0;  // the first rank of the tread being drawn
    for (std::size_t i = 1; i <= ranked.size(); ++i) {
        if (i < ranked.size() && ranked[i] == ranked[start]) continue;
        const double y = layout.value.toDevice(ranked[start]);
        const double right = layout.rank.toDevice(static_cast<double>(i));
        painter.line(layout.rank.toDevice(static_cast<double>(start)), y, right, y, ink);
        if (i < ranked.size()) painter.line(right, y, right, layout.value.toDevice(ranked[i]), ink);
        start = i;
    }
}

}  // namespace

void drawBands(ComparePainter& painter, const CompareLayout& layout, const DayBands& bands) {
    for (const Ink ink : {Ink::OuterBand, Ink::MiddleBand, Ink::InnerBand})
        for (int slot = 0; slot < kDaySlots; ++slot) {
            const auto& b = bands[static_cast<std::size_t>(slot)];
            if (!b) continue;
            painter.band(layout.day.toDevice(slot), layout.day.toDevice(slot + 1),
                         layout.value.toDevice(bandTop(*b, ink)), layout.value.toDevice(bandBottom(*b, ink)), ink);
        }
}

void drawDailySteps(ComparePainter& painter, const CompareLayout& layout, const DailySlots& values, Ink ink) {
    bool joined = false;  // whether the last slot ended with a tread to go on from
    double prevY = 0;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const auto& v = values[static_cast<std::size_t>(slot)];
        const double left = layout.day.toDevice(slot), right = layout.day.toDevice(slot + 1);
        if (!v) {
            if (joined && slot == kLeapDaySlot) {
                painter.line(left, prevY, right, prevY, ink);
                continue;
            }
            joined = false;
            continue;
        }
        const double y = layout.value.toDevice(*v);
        if (joined) painter.line(left, prevY, left, y, ink);
        painter.line(left, y, right, y, ink);
        prevY = y;
        joined = true;
    }
}

void drawMedianSteps(ComparePainter& painter, const CompareLayout& layout, const DayBands& bands) {
    DailySlots medians{};
    for (std::size_t slot = 0; slot < medians.size(); ++slot)
        if (bands[slot]) medians[slot] = bands[slot]->median;
    drawDailySteps(painter, layout, medians, Ink::Median);
}

void drawDurations(ComparePainter& painter, const CompareLayout& layout, const CompareSeries& series) {
    for (const DurationCurve& c : series.durations)
        if (c.year != series.chosen->year) staircase(painter, layout, c.values, Ink::OtherDuration);
    staircase(painter, layout, series.medianDuration, Ink::MedianDuration);
    for (const DurationCurve& c : series.durations)
        if (c.year == series.chosen->year) staircase(painter, layout, c.values, Ink::Chosen);
}

}  // namespace tellvane
