#pragma once
// The subcommands of `tellvane`. Each returns its exit code (ExitCode.h) and writes
// its result to out and its complaints to err.

#include <ostream>
#include <string>

#include "apps/tellvane/YearOptions.h"

namespace tellvane::cli {

/// `tellvane stats`: runs NenZu on a chart that is not kept and prints the year's
/// numbers as one JSON object.
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

}  // namespace tellvane::cli
