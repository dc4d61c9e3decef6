#pragma once
// The subcommands of `tellvane`. Each returns its exit code (ExitCode.h) and writes
// its result to out and its complaints to err. None needs a toolkit or a display:
// the chart is a picture in memory, the page is written by the page writer.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "apps/tellvane/YearOptions.h"
#include "comparechart/CompareInput.h"
#include "record/StationRecord.h"

namespace tellvane::cli {

/// `tellvane stats`: runs NenZu on a 1024x768 raster chart that is not kept and
/// prints the year's numbers as one JSON object.
int runStats(const YearOptions& options, std::ostream& out, std::ostream& err);

struct TraceOptions {
    YearOptions year;
    ChartSize size;
    bool plot = false;  ///< also NenzuSakuzu, on a recording plot document
};

/// `tellvane trace`: runs NenZu on a recording surface and prints its calls as JSON
/// lines, the host's events among them where they were raised; with plot, then
/// NenzuSakuzu's calls of the plot document. After a run-time error the lines so far
/// are printed, then the error.
int runTrace(const TraceOptions& options, std::ostream& out, std::ostream& err);

struct RenderOptions {
    YearOptions year;
    ChartSize size;
    std::string out = "out";  ///< the folder the charts go to
};

/// `tellvane render`: writes OUT/NO_YYYY.png (NenZu on a raster chart of the size)
/// and OUT/NO_YYYY.pdf (NenzuSakuzu) and prints their paths, one a line.
int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

/// The most station-years a batch renders at once: each holds a chart and a thread.
inline constexpr int kMostJobs = 64;

struct BatchOptions {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    std::string out = "out";              ///< the folder the charts go to
    int jobs = 0;                         ///< threads; 0 for one per core
};

/// `tellvane batch`: renders every station-year of the data as `render` does, with
/// progress on err (a bar when terminal is true, else a line per station-year), a
/// failing station-year reported without stopping the others, and a summary on out.
/// Non-zero when any failed; a station-year's warnings are shown once the progress
/// is done.
int runBatch(const BatchOptions& options, bool terminal, std::ostream& out, std::ostream& err);

struct CompareOptions {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    std::optional<std::string> station;   ///< may be left out when the data holds one station
    int year = 0;
    std::optional<std::string> kind;  ///< level or discharge; needed when the station has both
    ChartSize size;
    std::string out = "out";  ///< the folder the charts go to
};

/// `tellvane compare`: the year against the station's record, as OUT/NO_YYYY_compare.png
/// (a raster of the size) and OUT/NO_YYYY_compare.pdf (NO_YYYY_level_compare and
/// NO_YYYY_discharge_compare where the station has both kinds), both or neither;
/// prints their paths, one a line.
int runCompare(const CompareOptions& options, std::ostream& out, std::ostream& err);

struct RecordOptions {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    std::optional<std::string> station;
    std::optional<std::string> kind;                ///< level or discharge
    std::optional<std::pair<int, int>> years;       ///< --years A-B
    int allowedMissingDays = 0;
    std::optional<std::string> out;     ///< the file; standard output without
    std::optional<std::string> format;  ///< text, csv, json, xlsx; else from out's extension
    bool daily = false;                 ///< the workbook gains a daily table per station-year
};

/// `tellvane record`: the 流況表 of every station-kind of the data (or the one
/// asked for), each station-year read on its own, to standard output or a file
/// that is replaced only once it is whole.
int runRecord(const RecordOptions& options, std::ostream& out, std::ostream& err);
/// Adds record's options to the command.
void addRecordOptions(CLI::App& command, RecordOptions& options);
struct BookOptions {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    std::optional<std::string> years;     ///< "A-B" or "A"
    std::string out = "book.pdf";         ///< the book's file
};

/// `tellvane book`: writes the yearbook of the data as one PDF (yearbook/), with
/// progress on err as batch has, and a line of what it holds on out. A name ending
/// in .svg is refused, nothing written: SVG has no multi-page form.
int runBook(const BookOptions& options, bool terminal, std::ostream& out, std::ostream& err);

}  // namespace tellvane::cli
