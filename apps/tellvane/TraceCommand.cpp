#include <string>
#include <vector>

#include "apps/tellvane/Commands.h"
#include "apps/tellvane/Guarded.h"
#include "yearhost/HostedYear.h"
#include "apps/tellvane/TraceEvents.h"
#include "hostkit/HeadlessPlatform.h"
#include "recording/JsonLine.h"
#include "recording/RecordingPlotDocument.h"
#include "recording/RecordingSurface.h"

namespace tellvane::cli {

int runTrace(const TraceOptions& options, std::ostream& out, std::ostream& err) {
    return guarded(err, [&] {
        HostedYear year(options.year.query(), err);
        // Kept until the run's outcome is known: a block not loaded prints nothing.
        std::vector<std::string> lines;
        const auto write = [&lines](const std::string& line) { lines.push_back(line); };
        const auto print = [&] {
            for (const auto& line : lines) out << line << '\n';
        };

        RecordingSurface surface(static_cast<float>(options.size.width), static_cast<float>(options.size.height));
        surface.log().setSink(write);
        TraceEvents events(year.events(), write);
        RecordingPlotDocumentFactory plots;
        plots.log().setSink(write);
        // Nothing is written: the page's path only appears in the trace. The pens
        // are the defaults, whatever the user's settings say.
        EmptySettings settings;
        IdleEventPump idle;
        HeadlessPlatform headless(HeadlessParts{surface, plots, settings, idle}, err, u".");
        TZenzu control(headless.platform());
        year.setUp(control);
        control.setEvents(&events);
        try {
            const bool loaded = control.NenZu();
            year.report(control, loaded, err);
            if (!loaded) return kBlockNotLoaded;
            if (options.plot) control.NenzuSakuzu();
        } catch (const Error& e) {
            write(JsonLine().add("error", std::int32_t{e.number()}).add("description", e.description()).str());
            print();
            throw;
        }
        print();
        return kSuccess;
    });
}

}  // namespace tellvane::cli
