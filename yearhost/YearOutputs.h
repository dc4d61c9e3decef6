#pragma once
// A station-year's outputs in memory, for a host that hands them on rather than
// writing them where the tool does: the numbers, the chart's PNG, the plotted page
// and the trace of the control's calls. Each is made on a control of its own, so
// that several may be made at once on different threads.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "yearhost/ChartSize.h"
#include "yearhost/HostedYear.h"

namespace tellvane {

/// The year's numbers as `tellvane stats` prints them (statsJson); nullopt when
/// NenZu reports a block not loaded. The report goes to err.
std::optional<std::string> yearStatsJson(HostedYear& year, std::ostream& err);

/// The bytes of the chart's PNG file as `tellvane render` writes it; nullopt when
/// NenZu reports a block not loaded.
std::optional<std::vector<std::uint8_t>> yearPng(HostedYear& year, ChartSize size, std::ostream& err);

/// The plotted page's file as `tellvane render` writes it (PDF), or as SVG; the
/// control writes it in a work folder of its own under the system's temporary
/// folder, removed afterwards. nullopt when NenZu reports a block not loaded.
std::optional<std::string> yearPage(HostedYear& year, bool svg, std::ostream& err);

/// The lines `tellvane trace` prints: the control's drawing calls, events and, with
/// plot, the plotted page's calls, on a surface of the size. Returns false when
/// NenZu reports a block not loaded. A run-time error adds its line to lines before
/// it goes on to the caller.
bool traceYear(HostedYear& year, ChartSize size, bool plot, std::vector<std::string>& lines, std::ostream& err);

}  // namespace tellvane
