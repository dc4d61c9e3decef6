#pragma once
// A station's record from the files the module read, and the comparison chart of a
// year against it, free of Python: every call may run with the interpreter's lock
// released.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "comparechart/CompareInput.h"
#include "python/src/CoreYear.h"
#include "yearhost/ChartSize.h"

namespace tellvane::python {

/// The one station-kind's record as `tellvane record --format json` prints its line.
/// A station or kind left out must have one answer in the data, else SelectionError
/// says which; SelectionError too when the data has no such readings.
std::string recordJsonOf(const CoreRecords& records, const std::optional<std::string>& station,
                         const std::optional<std::string>& kind, int allowedMissingDays);

/// The year against the station's record, as `tellvane compare` draws it.
class CoreComparison {
public:
    CoreComparison(const CoreRecords& records, const std::optional<std::string>& station, int year,
                   const std::optional<std::string>& kind);

    std::string station() const;
    int year() const { return input_.year; }
    std::string kind() const { return input_.discharge ? "discharge" : "level"; }

    /// The chart's PNG file, the bytes `tellvane compare --size` writes.
    std::vector<std::uint8_t> png(ChartSize size) const;
    /// The chart's page, PDF (the bytes `tellvane compare` writes) or SVG.
    std::string page(bool svg) const;

private:
    CompareInput input_;
};

}  // namespace tellvane::python
