#include "apps/tellvane/TellvaneCli.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/ExitCode.h"

namespace tellvane::cli {

int runTellvane(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool terminal, Ending ending) {
    CLI::App app{
        "Annual charts of daily water levels and discharges, from hourly or daily records.\n"
        "Exit codes: 0 success, 1 usage or bad input, 2 the data had nothing for the year\n"
        "(NenZu false), 3 a run-time error of the control, 4 standard output could not be\n"
        "written; batch: non-zero when any failed.",
        "tellvane"};
    app.require_subcommand(1);

    RenderOptions renderOptions;
    auto* render = app.add_subcommand("render", "Write the year's chart as PNG and its plotted page as PDF");
    addYearOptions(*render, renderOptions.year);
    addSizeOption(*render, renderOptions.size);
    render
        ->add_option(
            "--out", renderOptions.out,
            "Folder for NO_YYYY.png and NO_YYYY.pdf (NO_YYYY_level or NO_YYYY_discharge when the folder holds the "
            "other kind's chart of the year)")
        ->check(nonEmpty())
        ->capture_default_str();

    BatchOptions batchOptions;
    auto* batch = app.add_subcommand(
        "batch",
        "Render every station-year of the data, with progress and a summary; for one PDF of them all, with the "
        "daily tables and each station's record, see `tellvane book`");
    batch->add_option("--data", batchOptions.data, kDataHelp)->required();
    batch->add_option("--stations", batchOptions.stations, "Station catalogue CSV: station,name,water_system,river");
    batch
        ->add_option("--out", batchOptions.out,
                     "Folder for the charts, NO_YYYY.png and NO_YYYY.pdf each (NO_YYYY_level and "
                     "NO_YYYY_discharge when the year has both kinds)")
        ->check(nonEmpty())
        ->capture_default_str();
    batch
        ->add_option("--jobs", batchOptions.jobs,
                     "Station-years rendered at once, 1 to " + std::to_string(kMostJobs) + " (default: one per core)")
        ->check(CLI::Validator(
            [](const std::string& text) {
                int jobs = 0;
                const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
                if (ec == std::errc() && end == text.data() + text.size() && jobs >= 1 && jobs <= kMostJobs)
                    return std::string();
                return "'" + text + "' is not a whole number from 1 to " + std::to_string(kMostJobs);
            },
            "1.." + std::to_string(kMostJobs)));

    BookOptions bookOptions;
    auto* book = app.add_subcommand(
        "book", "Write the yearbook as one PDF: per station-kind its record page, then per year its daily table "
                "and its plotted page, with an outline");
    book->add_option("--data", bookOptions.data, kDataHelp)->required();
    book->add_option("--stations", bookOptions.stations,
                     "Station catalogue CSV: station,name,water_system,river; its order is the book's");
    book->add_option("--years", bookOptions.years, "The years to print: A-B, or one year");
    book->add_option("--out", bookOptions.out, "The book's PDF file (SVG has no multi-page form)")
        ->capture_default_str();

    YearOptions statsOptions;
    auto* stats = app.add_subcommand("stats", "Print the year's numbers as one JSON object");
    addYearOptions(*stats, statsOptions);

    TraceOptions traceOptions;
    auto* trace =
        app.add_subcommand("trace", "Print the calls of NenZu's drawing as JSON lines, the host's events among them");
    addYearOptions(*trace, traceOptions.year);
    addSizeOption(*trace, traceOptions.size);
    trace->add_flag("--plot", traceOptions.plot,
                    "Then run NenzuSakuzu and print the plot document's calls (default pens: no settings are read)");

    CompareOptions compareOptions;
    auto* compare = app.add_subcommand("compare", "Write the year against the station's other years as PNG and PDF");
    compare->add_option("--data", compareOptions.data, kDataHelp)->required();
    compare->add_option("--stations", compareOptions.stations,
                        "Station catalogue CSV: station,name,water_system,river");
    compare->add_option("--station", compareOptions.station,
                        "Station number; may be left out when the data holds one station");
    compare->add_option("--year", compareOptions.year, "The year drawn against the others")->required();
    compare->add_option("--kind", compareOptions.kind, "level or discharge; needed when the station has both")
        ->check(CLI::IsMember({"level", "discharge"}));
    addSizeOption(*compare, compareOptions.size);
    compare
        ->add_option("--out", compareOptions.out,
                     "Folder for NO_YYYY_compare.png and .pdf (NO_YYYY_level_compare or NO_YYYY_discharge_compare "
                     "when the station has both kinds)")
        ->capture_default_str();
    RecordOptions recordOptions;
    auto* record = app.add_subcommand("record", "Print or write the station's record: the 流況表 of every year and the period");
    addRecordOptions(*record, recordOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? kSuccess : kBadInput;
    }
    const int code = [&] {
        if (trace->parsed()) return runTrace(traceOptions, out, err);
        if (render->parsed()) return runRender(renderOptions, out, err);
        if (batch->parsed()) return runBatch(batchOptions, terminal, out, err);
        if (compare->parsed()) return runCompare(compareOptions, out, err);
        if (record->parsed()) return runRecord(recordOptions, out, err);
        if (book->parsed()) return runBook(bookOptions, terminal, out, err);
        return runStats(statsOptions, out, err);
    }();
    // What a script reads from the tool is its output: losing it is no success.
    if (!out.flush()) {
        err << "tellvane: standard output could not be written\n";
        return code == kSuccess ? kOutputFailed : code;
    }
    if (ending == Ending::EndProcess) {
        // Every file is closed by now (the plotted page's at CloseDocument) and the
        // streams are flushed: tearing down the faces, the pictures and the
        // libraries would write nothing more.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

}  // namespace tellvane::cli
