#include <filesystem>
#include <optional>
#include <system_error>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearCharts.h"
#include "fileout/FolderLock.h"
#include "fileout/Target.h"
#include "hostkit/SleepingEventPump.h"

namespace tellvane::cli {

int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.year.query(), err);
        const std::filesystem::path dir(options.out);
        // The names are chosen by what the folder holds, and committed, under a lock on
        // the station-year's names, so that a writer beside this one never interleaves.
        const bool made = !dir.empty() && !std::filesystem::exists(dir);
        fileout::makeFolders(dir);
        // A folder made for the lock alone goes again when nothing was written in it.
        const auto unmake = [&] {
            std::error_code ignored;
            if (made) std::filesystem::remove(dir, ignored);  // removes an empty folder only
        };
        std::optional<fileout::FolderLock> lock;
        try {
            lock.emplace(dir, chartStem(year.selected()));
        } catch (...) {
            unmake();
            throw;
        }
        const ChartPaths paths = chartPaths(dir, stemInFolder(dir, year.selected(), year.mode()));
        // The control builds the page's path from the library's directory, which
        // must not depend on the folder the control happens to run in.
        SleepingEventPump events;
        bool written = false;
        try {
            written = writeYearCharts(year, options.size, paths, std::filesystem::absolute(dir), events, err);
        } catch (...) {
            lock.reset();
            unmake();
            throw;
        }
        if (!written) {
            lock.reset();
            unmake();
            return kBlockNotLoaded;
        }
        out << paths.png.string() << '\n' << paths.pdf.string() << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
