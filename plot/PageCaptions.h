#pragma once
// The page's texts around the plot: the station block, the names asked from the
// host, the year, the title and the value axis caption.

#include <cstdint>
#include <string>

#include "chartinput/ChartSource.h"
#include "platform/SettingsStore.h"
#include "plot/PlotPens.h"

namespace tellvane {

/// The year text: "令和 2 年（西暦 2020 年）"; before the eras only "（西暦 1850 年）";
/// a year of 0 or below leaves both numbers blank.
std::u16string pageYearText(std::int32_t year);

/// The header of a page: the station number as printed, the names and the year's text.
struct PageHeader {
    std::u16string Wok, Kansokujo, Suikei, Kasen;
    std::u16string yearText;
};

/// The station block and the header's texts as the plotted page has them, for the
/// other pages of a station in the same style.
void drawPageHeader(PlotDocument& doc, const GridPens& pens, const PageHeader& header);

/// The station block, then (raising the station-names event once) the names, the
/// block's headings, the station number as the host left it, the year, the title
/// with TytlePen read from the settings, and the axis caption.
void drawPageCaptions(PlotDocument& doc, ChartSource& source, const GridPens& pens, SettingsStore& settings);

}  // namespace tellvane
