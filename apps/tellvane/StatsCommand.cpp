#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/HostedYear.h"
#include "yearhost/RasterChart.h"
#include "yearhost/YearReport.h"
#include "hostkit/HeadlessPlatform.h"
#include "recording/StatsJson.h"

namespace tellvane::cli {

int runStats(const YearOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.query(), err);
        // NenZu draws as in every host, on the surface every host draws on; the
        // picture is not kept and no page is plotted.
        IdleEventPump events;
        RasterChart chart(ChartSize{}, events, err, u".");
        TZenzu& control = chart.control();
        year.setUp(control);
        control.setEvents(&year.events());
        const bool loaded = control.NenZu();
        year.report(control, loaded, err);
        if (!loaded) return kBlockNotLoaded;
        out << statsJson(control, true, YearCounts{daysWithData(control.store()), hoursWithReadings(year.selected())})
            << '\n';
        return kSuccess;
    });
}

}  // namespace tellvane::cli
