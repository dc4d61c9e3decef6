#pragma once
// The yearbook: a network's station-years as one PDF. For each station-kind, in
// the catalogue's order (station number order for stations it does not list), its
// record page, then for each year its daily table page and the plotted page that
// NenzuSakuzu draws, with an outline station > kind (where a station has both) >
// year. The station-years are read one at a time, and each page goes to the file
// as it is drawn. Toolkit-free, for every host.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pagewriter/PageWriterOptions.h"
#include "platform/SettingsStore.h"
#include "records/WaterDbFile.h"

namespace tellvane {

struct BookRequest {
    std::vector<std::filesystem::path> data;          ///< data files and folders
    std::optional<std::filesystem::path> stations;    ///< the station catalogue
    std::optional<int> firstYear, lastYear;           ///< the years to print
    std::filesystem::path out;                        ///< the book's file
    /// How the downloads' bytes are read: UTF-8 where a host decoded them already.
    DownloadEncoding downloads = DownloadEncoding::ShiftJis;
    /// The page writer's options; by default the machine's typefaces.
    pagewriter::PageWriterOptions pageWriter{};
};

/// What a host learns as the book is written.
struct BookListener {
    /// How many station-years the book will hold, once the data files are read.
    std::function<void(int stationYears)> planned;
    /// A station-year's pages are in the book ("NO YYYY", the kind after it where
    /// the station has both).
    std::function<void(const std::string& label)> finished;
};

struct BookSummary {
    int pages = 0;
    int stationKinds = 0;
    int stationYears = 0;
};

/// Writes the book; pens come from the settings. Bad files fail with InputError,
/// a run-time error of the control or the page writer with Error; then nothing is
/// written and an earlier file of the name stays as it was.
BookSummary writeBook(const BookRequest& request, SettingsStore& settings, const BookListener& listener);

}  // namespace tellvane
