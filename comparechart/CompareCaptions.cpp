#include "comparechart/CompareCaptions.h"

#include <algorithm>
#include <array>

#include "common/Text.h"
#include "comparechart/CompareWording.h"

namespace tellvane {
namespace {

// The years other than the chosen one that have a day, first to last, and their count.
struct YearsHeld {
    int first = 0, last = 0, count = 0;
};

YearsHeld othersWithData(const CompareInput& input) {
    YearsHeld held;
    for (const CompareYear& y : input.years) {
        const bool any = std::any_of(y.daily.begin(), y.daily.end(), [](const auto& v) { return v.has_value(); });
        if (y.year == input.year || !any) continue;
        held.first = held.count == 0 ? y.year : std::min(held.first, y.year);
        held.last = std::max(held.last, y.year);
        ++held.count;
    }
    return held;
}

// A sample mark a character wide and a label after it; returns where the next starts.
double legendEntry(ComparePainter& painter, double x, double top, Ink ink, const std::u16string& label, double e) {
    const bool band = ink == Ink::OuterBand || ink == Ink::MiddleBand || ink == Ink::InnerBand;
    if (band) {
        painter.band(x, x + 1.6 * e, top + 0.1 * e, top + 0.9 * e, Ink::OuterBand);
        if (ink != Ink::OuterBand) painter.band(x, x + 1.6 * e, top + 0.1 * e, top + 0.9 * e, Ink::MiddleBand);
        if (ink == Ink::InnerBand) painter.band(x, x + 1.6 * e, top + 0.1 * e, top + 0.9 * e, Ink::InnerBand);
    } else {
        painter.line(x, top + 0.5 * e, x + 1.6 * e, top + 0.5 * e, ink);
    }
    painter.text(x + 2.0 * e, top, label, e, Align::Left, Ink::Text);
    return x + (2.0 + textEms(label) + 1.2) * e;
}

// What the period and the bands cover, and how the percentiles are taken.
std::array<std::u16string, 3> tableNotes(const CompareInput& input, const CompareSeries& series) {
    std::u16string period = u"期間 ： なし";
    if (!input.periodYears.empty()) {
        const auto [first, last] = std::minmax_element(input.periodYears.begin(), input.periodYears.end());
        period = u"期間 ： " + yearSpan(*first, *last) + u"のうち " +
                 plainInteger(static_cast<long long>(input.periodYears.size())) + u" 年";
    }
    std::u16string bands = u"帯 ： 比べる年なし";
    if (series.otherYears > 0)
        bands = u"帯 ： " + plainInteger(input.year) + u" 年を除く " + plainInteger(series.otherYears) + u" 年の同月日";
    return {period, bands, u"百分位 ： 順位の線形補間"};
}

}  // namespace

void drawHeader(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input) {
    const double e = layout.size.em;
    const Rect& d = layout.daily;
    // The title stands over the daily plot's middle, or further right where the
    // station number would run into it.
    const std::u16string station = u"観測所番号 ： " + input.station;
    const std::u16string& title = compareTitle(input.discharge);
    const double middle =
        std::max((d.left + d.right) / 2, d.left + (textEms(station) + 1.0 + 0.8 * textEms(title)) * e);
    painter.text(middle, layout.titleTop, title, 1.6 * e, Align::Centre, Ink::Title);
    painter.text(d.left, layout.titleTop + 0.4 * e, station, e, Align::Left, Ink::Text);
    painter.text(d.left, layout.namesTop,
                 u"水系名 ： " + input.waterSystem + u"　　河川名 ： " + input.river + u"　　観測所名 ： " + input.name,
                 e, Align::Left, Ink::Text);
    painter.text(layout.duration.right, layout.namesTop, compareYearLine(input.year), e, Align::Right, Ink::Text);
    const YearsHeld others = othersWithData(input);
    if (others.count > 0)
        painter.text(
            layout.duration.right, layout.titleTop + 0.4 * e,
            u"比べる年 ： " + yearSpan(others.first, others.last) + u"（" + plainInteger(others.count) + u" 年）", e,
            Align::Right, Ink::Text);
}

void drawLegend(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input) {
    const double e = layout.size.em, top = layout.legendTop;
    double x = layout.daily.left;
    x = legendEntry(painter, x, top, Ink::OuterBand, u"最小〜最大", e);
    x = legendEntry(painter, x, top, Ink::MiddleBand, u"10〜90 %", e);
    x = legendEntry(painter, x, top, Ink::InnerBand, u"25〜75 %", e);
    x = legendEntry(painter, x, top, Ink::Median, u"中央値", e);
    legendEntry(painter, x, top, Ink::Chosen, plainInteger(input.year) + u" 年", e);

    // Over the duration plot, smaller where the plot is narrower than the legend.
    const std::u16string& caption = durationCaption(input.discharge);
    const double ems = textEms(caption) + 1.0 + 2 * (2.0 + 1.2) + textEms(u"各年") + textEms(u"中央値");
    const double f = std::min(1.0, (layout.duration.right - layout.duration.left) / (ems * e)) * e;
    x = layout.duration.left;
    painter.text(x, top, caption, f, Align::Left, Ink::Text);
    x += (textEms(caption) + 1.0) * f;
    x = legendEntry(painter, x, top, Ink::OtherDuration, u"各年", f);
    legendEntry(painter, x, top, Ink::MedianDuration, u"中央値", f);
}

void drawValueTable(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input,
                    const CompareSeries& series) {
    const std::array<std::u16string, 3> notes = tableNotes(input, series);
    double noteEms = 0;
    for (const auto& n : notes) noteEms = std::max(noteEms, textEms(n));
    // Table and notes in the width of both plots, in smaller characters where needed.
    constexpr double kFirstColumn = 6.5, kColumn = 6.2, kNotesGap = 1.5;
    const double left = layout.daily.left, ems = kFirstColumn + 7 * kColumn + kNotesGap + noteEms;
    const double e = layout.size.em * std::min(1.0, (layout.duration.right - left) / (ems * layout.size.em));
    const double rowHeight = 1.5 * e, top = layout.tableTop, text = 0.25 * e;  // a text's top below its row's
    const double right = left + (kFirstColumn + 7 * kColumn) * e;
    for (const int row : {0, 1, 3}) painter.line(left, top + row * rowHeight, right, top + row * rowHeight, Ink::Rule);
    painter.text(left, top + rowHeight + text, plainInteger(input.year) + u" 年", e, Align::Left, Ink::Text);
    painter.text(left, top + 2 * rowHeight + text, u"期間平均", e, Align::Left, Ink::Text);
    for (int k = 1; k <= 7; ++k) {
        const double columnRight = left + (kFirstColumn + k * kColumn - 0.6) * e;
        const auto at = static_cast<std::size_t>(k - 1);
        painter.text(columnRight, top + text, sevenValueLabel(input.discharge, k), e, Align::Right, Ink::Text);
        painter.text(columnRight, top + rowHeight + text, valueText(input.yearValues[at]), e, Align::Right, Ink::Text);
        painter.text(columnRight, top + 2 * rowHeight + text, valueText(input.periodValues[at]), e, Align::Right,
                     Ink::Text);
    }
    for (std::size_t row = 0; row < notes.size(); ++row)
        painter.text(right + kNotesGap * e, top + static_cast<double>(row) * rowHeight + text, notes[row], e,
                     Align::Left, Ink::Text);
}

}  // namespace tellvane
