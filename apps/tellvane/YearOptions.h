#pragma once
// The options that choose the station-year a command works on, shared by every
// command that shows one.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "records/YearSelection.h"
#include "yearhost/ChartSize.h"
#include "yearhost/YearQuery.h"

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
    /// The files and the request, as a host shows a year.
    YearQuery query() const { return {data, stations, request(), requestedMode()}; }
};

/// Adds --data, --stations, --station, --year, --mode and --kind to the command.
void addYearOptions(CLI::App& command, YearOptions& options);

/// What --data takes, for every command's help.
inline constexpr const char* kDataHelp =
    "Data files, or folders of them read with their subfolders: hourly CSV (.csv) or water information database "
    "downloads (.dat)";

/// Adds --size WxH to the command.
void addSizeOption(CLI::App& command, ChartSize& size);

/// Refuses an empty value ("--out ''"): no folder is named by it.
const CLI::Validator& nonEmpty();

}  // namespace tellvane::cli
