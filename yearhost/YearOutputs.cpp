#include "yearhost/YearOutputs.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/Error.h"
#include "common/Text.h"
#include "fileout/WorkFolder.h"
#include "hostkit/HeadlessPlatform.h"
#include "hostkit/SleepingEventPump.h"
#include "plot/PlotOutput.h"
#include "raster/ColourIndex.h"
#include "raster/PngFile.h"
#include "recording/JsonLine.h"
#include "recording/RecordingPlotDocument.h"
#include "recording/RecordingSurface.h"
#include "recording/StatsJson.h"
#include "recording/TraceEvents.h"
#include "records/DataFiles.h"
#include "yearhost/DrawableNames.h"
#include "yearhost/RasterChart.h"

namespace tellvane {
namespace {

// NenZu on the chart with the year's answers; the report goes to err.
bool loadYear(HostedYear& year, TZenzu& control, std::ostream& err) {
    year.setUp(control);
    control.setEvents(&year.events());
    const bool loaded = control.NenZu();
    year.report(control, loaded, err);
    return loaded;
}

}  // namespace

std::optional<std::string> yearStatsJson(HostedYear& year, std::ostream& err) {
    // NenZu draws as in every host, on the surface every host draws on; the
    // picture is not kept and no page is plotted.
    IdleEventPump events;
    RasterChart chart(ChartSize{}, events, err, u".");
    if (!loadYear(year, chart.control(), err)) return std::nullopt;
    return statsJson(chart.control(), true,
                     YearCounts{daysWithData(chart.control().store()), hoursWithReadings(year.selected())});
}

std::optional<std::vector<std::uint8_t>> yearPng(HostedYear& year, ChartSize size, std::ostream& err) {
    IdleEventPump events;
    RasterChart chart(size, events, err, u".");
    if (!loadYear(year, chart.control(), err)) return std::nullopt;
    return raster::encodePng(raster::indexColours(chart.picture()));
}

std::optional<std::string> yearPage(HostedYear& year, bool svg, std::ostream& err) {
    // The page the control writes by its own name, in a folder of its own that is
    // removed with it once its bytes are read.
    checkNamesDrawable(year.names());
    const fileout::WorkFolder work(std::filesystem::temp_directory_path());
    SleepingEventPump events;
    pagewriter::PageWriterOptions pages;
    pages.svg = svg;
    RasterChart chart(ChartSize{}, events, err, fromUtf8(work.path().string()), std::move(pages));
    if (!loadYear(year, chart.control(), err)) return std::nullopt;
    chart.control().NenzuSakuzu();
    return readWholeFile(work.path() / kPlotFileName);
}

bool traceYear(HostedYear& year, ChartSize size, bool plot, std::vector<std::string>& lines, std::ostream& err) {
    const auto write = [&lines](const std::string& line) { lines.push_back(line); };
    RecordingSurface surface(static_cast<float>(size.width), static_cast<float>(size.height));
    surface.log().setSink(write);
    TraceEvents events(year.events(), write);
    RecordingPlotDocumentFactory plots;
    plots.log().setSink(write);
    // Nothing is written: the page's path only appears in the trace. The pens are
    // the defaults, whatever the user's settings say.
    EmptySettings settings;
    IdleEventPump idle;
    HeadlessPlatform headless(HeadlessParts{surface, plots, settings, idle}, err, u".");
    TZenzu control(headless.platform());
    year.setUp(control);
    control.setEvents(&events);
    try {
        const bool loaded = control.NenZu();
        year.report(control, loaded, err);
        if (!loaded) return false;
        if (plot) control.NenzuSakuzu();
    } catch (const Error& e) {
        write(JsonLine().add("error", std::int32_t{e.number()}).add("description", e.description()).str());
        throw;
    }
    return true;
}

}  // namespace tellvane
