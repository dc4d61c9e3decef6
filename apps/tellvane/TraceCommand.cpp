#include <string>
#include <vector>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "common/Error.h"
#include "yearhost/HostedYear.h"
#include "yearhost/YearOutputs.h"

namespace tellvane::cli {

int runTrace(const TraceOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.year.query(), err);
        // Kept until the run's outcome is known: a block not loaded prints nothing.
        std::vector<std::string> lines;
        const auto print = [&] {
            for (const auto& line : lines) out << line << '\n';
        };
        try {
            if (!traceYear(year, options.size, options.plot, lines, err)) return kBlockNotLoaded;
        } catch (const Error&) {
            print();
            throw;
        }
        print();
        return kSuccess;
    });
}

}  // namespace tellvane::cli
