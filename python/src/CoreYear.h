#pragma once
// What the Python module holds of the files read and of a year chosen from them,
// free of Python: every call here may run with the interpreter's lock released.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "yearhost/ChartSize.h"
#include "yearhost/HostedYear.h"

namespace tellvane::python {

/// An output with the messages the user should see beside it (a partial year, how
/// the files were combined), for the module to raise as warnings.
template <typename T>
struct Reported {
    T value;
    std::string messages;
};

/// One station-year of files read; shares the files with the records it came from.
class CoreYear {
public:
    CoreYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, std::u16string mode);

    std::string station() const;
    int year() const { return selected_.year; }
    /// "level", "discharge" or "" when the file does not say.
    std::string kind() const { return kindName(selected_.kind); }
    std::string mode() const;

    /// `tellvane stats`' JSON.
    Reported<std::string> statsJson() const;
    /// The bytes of the chart's PNG file.
    Reported<std::vector<std::uint8_t>> png(ChartSize size) const;
    /// The plotted page's file, PDF or SVG.
    Reported<std::string> page(bool svg) const;
    /// The lines `tellvane trace` prints.
    Reported<std::vector<std::string>> trace(ChartSize size, bool plot) const;

private:
    // A host of its own for every output: the block source keeps state while a
    // control loads, and outputs may be made on several threads at once.
    std::unique_ptr<HostedYear> hosted() const;

    std::shared_ptr<const LoadedFiles> files_;
    SelectedYear selected_;
    std::u16string mode_;
};

/// The files read, and the choice of a year in them.
class CoreRecords {
public:
    explicit CoreRecords(std::shared_ptr<const LoadedFiles> files) : files_(std::move(files)) {}

    /// Reads the files and folders as --data does, and the catalogue as --stations.
    static CoreRecords read(const std::vector<std::string>& paths, const std::optional<std::string>& stations);

    const LoadedFiles& files() const { return *files_; }
    /// The year the command line's --station, --year and --kind would choose; fails
    /// with SelectionError as it does, and also when the year has no readings.
    CoreYear year(const std::optional<std::string>& station, std::optional<int> year,
                  const std::optional<std::string>& kind) const;

private:
    std::shared_ptr<const LoadedFiles> files_;
};

}  // namespace tellvane::python
