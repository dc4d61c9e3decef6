#include "apps/tellvane/TellvaneCli.h"

#include <CLI/CLI.hpp>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/ExitCode.h"

namespace tellvane::cli {

int runTellvane(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{
        "Annual charts of daily water levels and discharges, from hourly or daily records.\n"
        "Exit codes: 0 success, 1 usage or bad input, 2 the data had nothing for the year\n"
        "(NenZu false), 3 a run-time error of the control.",
        "tellvane"};
    app.require_subcommand(1);

    YearOptions statsOptions;
    auto* stats = app.add_subcommand("stats", "Print the year's numbers as one JSON object");
    addYearOptions(*stats, statsOptions);

    TraceOptions traceOptions;
    auto* trace =
        app.add_subcommand("trace", "Print the calls of NenZu's drawing as JSON lines, the host's events among them");
    addYearOptions(*trace, traceOptions.year);
    addSizeOption(*trace, traceOptions.size);
    trace->add_flag("--plot", traceOptions.plot, "Then run NenzuSakuzu and print the plot document's calls");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? kSuccess : kBadInput;
    }
    if (stats->parsed()) return runStats(statsOptions, out, err);
    return runTrace(traceOptions, out, err);
}

}  // namespace tellvane::cli
