#include <algorithm>
#include <atomic>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

#include "apps/tellvane/BatchPlan.h"
#include "apps/tellvane/BatchProgress.h"
#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "apps/tellvane/Interruption.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearCharts.h"
#include "yearhost/YearReport.h"
#include "fileout/FolderLock.h"
#include "fileout/Target.h"
#include "hostkit/SleepingEventPump.h"
#include "records/DataFiles.h"

namespace tellvane::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kToolPrefix = "tellvane: ";

struct Outcome {
    int code = kSuccess;
    std::string message;    ///< the complaints on one line, without the tool's name
    KeptWarnings warnings;  ///< shown once the bar is gone
};

// A job's complaints, each on a line of its own err, put on one.
std::string oneLine(const std::string& text) {
    std::istringstream in(text);
    std::string message;
    for (std::string part; std::getline(in, part);) {
        if (part.starts_with(kToolPrefix)) part.erase(0, kToolPrefix.size());
        if (!part.empty()) message += (message.empty() ? "" : " ") + part;
    }
    return message;
}

// The files of one station-year: its readings read again from the parts of the
// files that gave them, and its entry of the catalogue. A batch holds these for the
// years its jobs chart, and of the rest only the index.
std::shared_ptr<const LoadedFiles> yearFiles(const LoadedFiles& index, const SelectedYear& selected) {
    auto files = std::make_shared<LoadedFiles>();
    files->records = loadStationYear(index.records, selected.station, selected.year);
    const auto entry = index.catalogue.find(selected.station);
    if (entry != index.catalogue.end()) files->catalogue.insert(*entry);
    return files;
}

// The series of the selection in records read again.
const Series* sameSeries(const StationRecords& records, const SelectedYear& selected) {
    for (const Series* s : records.ofStation(selected.station))
        if (s->kind == selected.kind && s->hasYear(selected.year)) return s;
    return nullptr;
}

// One station-year, as `render` does it; every failure stays in the outcome.
Outcome renderOne(const LoadedFiles& index, const BatchItem& item, const fs::path& out, const fs::path& workDir,
                  EventPump& events) {
    std::ostringstream err;
    Outcome outcome;
    outcome.code = guarded(err, [&] {
        const auto files = yearFiles(index, item.selected);
        SelectedYear selected = item.selected;
        selected.series = sameSeries(files->records, selected);
        dropIfNoReadings(selected);  // a year of empty rows fails as `render` fails it
        HostedYear year(files, selected, modeOf(selected, std::nullopt));
        year.setWarnings(&outcome.warnings);
        fileout::makeFolders(out);
        const fileout::FolderLock lock(out, chartStem(selected));  // as `render` beside it
        return writeYearCharts(year, ChartSize{}, chartPaths(out, item.stem), workDir, events, err) ? kSuccess
                                                                                                    : kBlockNotLoaded;
    });
    outcome.message = oneLine(err.str());
    return outcome;
}

int jobCount(int asked, std::size_t items) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::max(1, std::min(asked > 0 ? asked : cores, static_cast<int>(items)));
}

}  // namespace

int runBatch(const BatchOptions& options, bool terminal, std::ostream& out, std::ostream& err) {
    std::shared_ptr<const LoadedFiles> files;
    const fs::path dir(options.out);
    fs::path absoluteDir;  // worked out here: nothing may throw in a worker's thread
    if (const int code = guarded(err, [&] {
            // Only an index: each station-year is read again when its turn comes.
            files = loadFiles(options.data, options.stations, KeptYears{.station = {}, .year = {}, .none = true});
            absoluteDir = fs::absolute(dir);
            return kSuccess;
        }))
        return code;
    printNotes(files->records, nullptr, err);
    const std::vector<BatchItem> items = planBatch(files->records);
    const int jobs = jobCount(options.jobs, items.size());

    std::vector<Outcome> outcomes(items.size());
    std::atomic<std::size_t> next{0};
    BatchProgress progress(static_cast<int>(items.size()), terminal, err);
    const InterruptionNote howFar([&] {
        return std::to_string(progress.done()) + " of " + std::to_string(items.size()) + " station-years finished";
    });
    const auto work = [&] {
        SleepingEventPump events;
        for (std::size_t i; (i = next.fetch_add(1)) < items.size();) {
            outcomes[i] = renderOne(*files, items[i], dir, absoluteDir, events);
            progress.finished(items[i].label, outcomes[i].code == kSuccess
                                                  ? std::nullopt
                                                  : std::optional<std::string>(outcomes[i].message));
        }
    };
    std::vector<std::thread> workers;
    for (int w = 1; w < jobs; ++w) workers.emplace_back(work);
    work();
    for (auto& t : workers) t.join();
    progress.end();
    // What a finished station-year had to say (a partial year) waits until the bar is gone.
    StreamWarnings onErr(err);
    for (const Outcome& o : outcomes)
        for (const std::string& warning : o.warnings.texts()) onErr.warn(warning);

    int failed = 0, code = kSuccess;
    for (const Outcome& o : outcomes)
        if (o.code != kSuccess) {
            ++failed;
            if (code == kSuccess) code = o.code;
        }
    const double seconds = progress.elapsed();
    std::ostringstream rate;
    rate.precision(1);
    rate << std::fixed << (seconds > 0 ? static_cast<double>(items.size()) / seconds : 0.0);
    out << items.size() << " station-years: " << items.size() - static_cast<std::size_t>(failed) << " written to "
        << dir.string() << ", " << failed << " failed, in " << clockTime(seconds) << " (" << rate.str()
        << " a second)\n";
    for (std::size_t i = 0; i < items.size(); ++i)
        if (outcomes[i].code != kSuccess) out << "failed: " << items[i].label << ": " << outcomes[i].message << '\n';
    return code;
}

}  // namespace tellvane::cli
