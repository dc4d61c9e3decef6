#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearOutputs.h"

namespace tellvane::cli {

int runStats(const YearOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.query(), err);
        const auto json = yearStatsJson(year, err);
        if (!json) return kBlockNotLoaded;
        out << *json << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
