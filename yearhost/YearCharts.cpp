#include "yearhost/YearCharts.h"

#include <span>
#include <vector>

#include "common/Error.h"
#include "common/Text.h"
#include "fileout/FileSet.h"
#include "fileout/Target.h"
#include "fileout/WorkFolder.h"
#include "plot/PlotOutput.h"
#include "yearhost/DrawableNames.h"
#include "yearhost/RasterChart.h"

namespace tellvane {
namespace {

// NenzuSakuzu, whose page the control writes under its own name in the private work
// folder. A failure names the user's file: the work file is the tool's business.
void plotPage(TZenzu& control, const std::filesystem::path& written, const std::filesystem::path& pdf) {
    try {
        control.NenzuSakuzu();
    } catch (const Error& e) {
        throw e.naming(pdf.string(), written.string());
    }
}

}  // namespace

bool writeYearCharts(HostedYear& year, ChartSize size, const ChartPaths& paths, const std::filesystem::path& workDir,
                     EventPump& events, std::ostream& err) {
    checkNamesDrawable(year.names());
    RasterChart chart(size, events, err, fromUtf8(workDir.string()));
    TZenzu& control = chart.control();
    year.setUp(control);
    control.setEvents(&year.events());
    const bool loaded = control.NenZu();
    year.report(control, loaded, err);
    if (!loaded) return false;

    // Both files or neither, committed together; the control's page is written in a
    // work folder of its own, so that its fixed name never meets the user's files.
    fileout::checkTarget(paths.png);
    fileout::checkTarget(paths.pdf);
    fileout::makeFolders(paths.png.parent_path());
    fileout::FileSet pair;
    const std::vector<std::uint8_t> png = chart.pngBytes();
    pair.add(paths.png, std::as_bytes(std::span(png)));
    const fileout::WorkFolder work(workDir);
    chart.setLibraryDirectory(fromUtf8(work.path().string()));
    const std::filesystem::path written = work.path() / kPlotFileName;
    plotPage(control, written, paths.pdf);
    pair.adopt(written, paths.pdf);
    pair.commit();
    return true;
}

}  // namespace tellvane
