#pragma once
// The daily table of a station-year (日流量表 / 日水位表) on a plot document, in the
// plotted page's face, pens and header block: days 1-31 down, months across, each
// day's mean in the store's two-decimal form; under the months their mean, maximum,
// minimum and days with data; beside them the year's seven values with the dates of
// the maximum and minimum, and for discharge the runoff. docs/yearbook.md has the layout.

#include <string>

#include "platform/PlotDocument.h"
#include "platform/SettingsStore.h"
#include "plot/PageCaptions.h"
#include "record/YearRecord.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

struct DailyTableYear {
    PageHeader header;
    std::u16string mode;       ///< the control's Mode: "7" discharge, else water level
    const AnnualStore& store;  ///< the year as NenZu left it
    const YearRecord& record;  ///< the same year as the record has it
};

/// "日　流　量　表" or "日　水　位　表".
std::u16string dailyTableTitle(const std::u16string& mode);

/// Sets the document up as the plotted page, draws the table and leaves the page
/// to be output.
void drawDailyTablePage(PlotDocument& doc, const DailyTableYear& year, SettingsStore& settings);

}  // namespace tellvane
