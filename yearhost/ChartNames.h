#pragma once
// The names of a station-year's chart files: NO_YYYY, or NO_YYYY_level and
// NO_YYYY_discharge where both kinds of the station-year meet in one folder.

#include <filesystem>
#include <optional>
#include <string>

#include "records/YearSelection.h"

namespace tellvane {

/// The files of one station-year.
struct ChartPaths {
    std::filesystem::path png;
    std::filesystem::path pdf;
};

/// DIR/STEM.png and DIR/STEM.pdf.
ChartPaths chartPaths(const std::filesystem::path& dir, const std::string& stem);

/// "NO_YYYY" (the year of four digits at least), with characters a file name cannot hold in the station number made
/// "_".
std::string chartStem(const SelectedYear& selected);

/// The title of a plotted page written by Tellvane, read from the file's metadata;
/// nullopt when the file is missing, unreadable or holds no such title.
std::optional<std::u16string> pageTitleOf(const std::filesystem::path& pdf);

/// The stem of a chart of the Mode into dir: "NO_YYYY", unless the folder already
/// holds the other kind's chart of the station-year (as NO_YYYY_<other kind>, or as
/// NO_YYYY whose page is titled for the other kind); then "NO_YYYY_level" or
/// "NO_YYYY_discharge", so that neither chart replaces the other.
std::string stemInFolder(const std::filesystem::path& dir, const SelectedYear& selected, const std::u16string& mode);

}  // namespace tellvane
