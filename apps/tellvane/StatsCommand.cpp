#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "apps/tellvane/HeadlessPlatform.h"
#include "apps/tellvane/HostedYear.h"
#include "apps/tellvane/StatsJson.h"
#include "recording/RecordingSurface.h"

namespace tellvane::cli {

int runStats(const YearOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options);
        // NenZu draws as in every host; the picture is not kept, so any 1024x768
        // surface serves.
        RecordingSurface surface(1024, 768);
        NoPlotDocuments plots;
        HeadlessPlatform headless(surface, plots, err, u".");
        TZenzu control(headless.platform());
        year.setUp(control);
        control.setEvents(&year.events());
        if (!control.NenZu()) return kBlockNotLoaded;
        out << statsJson(control, true) << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
