#pragma once
// The options that choose the station-year a command works on, shared by every
// command that shows one.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "records/YearSelection.h"

namespace tellvane::cli {

struct YearOptions {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    std::optional<std::string> station;
    std::optional<int> year;
    std::optional<std::string> mode;  ///< the control's Mode as it stands
    std::optional<std::string> kind;  ///< level or discharge

    /// What the options ask of the records.
    YearRequest request() const;
    /// The Mode text the options set, if they set one.
    std::optional<std::u16string> requestedMode() const;
};

/// Adds --data, --stations, --station, --year, --mode and --kind to the command.
void addYearOptions(CLI::App& command, YearOptions& options);

/// What --data takes, for every command's help.
inline constexpr const char* kDataHelp =
    "Data files, or folders of them read with their subfolders: hourly CSV (.csv) or water information database "
    "downloads (.dat)";

/// The largest side of a chart, in pixels: a picture of 8192 x 8192 takes 256 MB.
inline constexpr int kLargestChartSide = 8192;

/// The chart's size in pixels, from --size WxH.
struct ChartSize {
    int width = 1024;
    int height = 768;
};

/// Adds --size WxH to the command.
void addSizeOption(CLI::App& command, ChartSize& size);

}  // namespace tellvane::cli
