#include <filesystem>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearCharts.h"
#include "hostkit/SleepingEventPump.h"

namespace tellvane::cli {

int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.year.query(), err);
        const std::filesystem::path dir(options.out);
        const ChartPaths paths = chartPaths(dir, stemInFolder(dir, year.selected(), year.mode()));
        // The control builds the page's path from the library's directory, which
        // must not depend on the folder the control happens to run in.
        SleepingEventPump events;
        if (!writeYearCharts(year, options.size, paths, std::filesystem::absolute(dir), events, err))
            return kBlockNotLoaded;
        out << paths.png.string() << '\n' << paths.pdf.string() << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
