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
#include "apps/tellvane/HostedYear.h"
#include "apps/tellvane/YearCharts.h"
#include "hostkit/SleepingEventPump.h"

namespace tellvane::cli {
namespace {

namespace fs = std::filesystem;

// A job's complaints on one line, without the tool's name each message starts with.
std::string oneLine(const std::string& text) {
    std::string line;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part);) {
        if (part.starts_with("tellvane: ")) part.erase(0, 10);
        if (!part.empty()) line += (line.empty() ? "" : " ") + part;
    }
    return line;
}

struct Outcome {
    int code = kSuccess;
    std::string message;
};

// One station-year, as `render` does it; every failure stays in the outcome.
Outcome renderOne(const std::shared_ptr<const LoadedFiles>& files, const BatchItem& item, const fs::path& out,
                  const fs::path& workDir, EventPump& events) {
    std::ostringstream err;
    Outcome outcome;
    outcome.code = guarded(err, [&] {
        HostedYear year(files, item.selected, modeOf(item.selected, std::nullopt));
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
    if (const int code = guarded(err, [&] {
            files = loadFiles(options.data, options.stations);
            return kSuccess;
        }))
        return code;
    const std::vector<BatchItem> items = planBatch(files->records);
    const fs::path dir(options.out);
    const int jobs = jobCount(options.jobs, items.size());

    std::vector<Outcome> outcomes(items.size());
    std::atomic<std::size_t> next{0};
    BatchProgress progress(static_cast<int>(items.size()), terminal, err);
    const auto work = [&](int worker) {
        // Every worker's control writes its page under the same name, so each gets
        // a folder of its own for it.
        const fs::path workDir = fs::absolute(dir) / (".tellvane-job-" + std::to_string(worker));
        SleepingEventPump events;
        for (std::size_t i; (i = next.fetch_add(1)) < items.size();) {
            outcomes[i] = renderOne(files, items[i], dir, workDir, events);
            progress.finished(items[i].label, outcomes[i].code == kSuccess
                                                  ? std::nullopt
                                                  : std::optional<std::string>(outcomes[i].message));
        }
        std::error_code ignored;
        fs::remove_all(workDir, ignored);
    };
    std::vector<std::thread> workers;
    for (int w = 1; w < jobs; ++w) workers.emplace_back(work, w);
    work(0);
    for (auto& t : workers) t.join();
    progress.end();

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
