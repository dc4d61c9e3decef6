#include "yearhost/YearCharts.h"

#include <system_error>

#include "yearhost/RasterChart.h"
#include "common/Error.h"
#include "common/Text.h"
#include "plot/PlotOutput.h"
#include "raster/RasterErrors.h"

namespace tellvane {
namespace {

[[noreturn]] void fileAccess(const std::string& what, const std::error_code& ec) {
    throw Error(raster::kFileAccess, "Path/File access error: " + what + ": " + ec.message());
}

// A file written under a passing name; removed unless it was moved into place.
struct Staged {
    std::filesystem::path path;
    ~Staged() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

void moveInto(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec) fileAccess("cannot move " + from.string() + " to " + to.string(), ec);
}

void makeFolder(const std::filesystem::path& dir) {
    if (dir.empty()) return;  // the current folder
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) fileAccess("cannot create " + dir.string(), ec);
}

// The text with every occurrence of what replaced by with.
std::string replaced(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// NenzuSakuzu, whose page the control writes under its own name in the work folder,
// then moved to the user's name. A failure names the user's file: the work file
// is the tool's business.
void plotPage(TZenzu& control, const std::filesystem::path& written, const std::filesystem::path& pdf) {
    try {
        control.NenzuSakuzu();
    } catch (const Error& e) {
        std::error_code ignored;  // a page written in part is left nowhere; anything else is not ours
        if (std::filesystem::is_regular_file(written, ignored)) std::filesystem::remove(written, ignored);
        throw Error(e.number(), replaced(e.description(), written.string(), pdf.string()));
    }
    moveInto(written, pdf);
}

}  // namespace

bool writeYearCharts(HostedYear& year, ChartSize size, const ChartPaths& paths, const std::filesystem::path& workDir,
                     EventPump& events, std::ostream& err) {
    RasterChart chart(size, events, err, fromUtf8(workDir.string()));
    TZenzu& control = chart.control();
    year.setUp(control);
    control.setEvents(&year.events());
    const bool loaded = control.NenZu();
    year.report(control, loaded, err);
    if (!loaded) return false;

    // Both files or neither: the picture waits beside its place until the page is
    // written, so that a failed page leaves no new picture and keeps an old one.
    makeFolder(paths.png.parent_path());
    const Staged picture{paths.png.string() + ".new"};
    try {
        chart.savePng(picture.path.string());
    } catch (const Error& e) {  // the passing name is the tool's business, the user's is the one to name
        throw Error(e.number(), replaced(e.description(), picture.path.string(), paths.png.string()));
    }
    makeFolder(workDir);
    plotPage(control, workDir / kPlotFileName, paths.pdf);
    moveInto(picture.path, paths.png);
    return true;
}

}  // namespace tellvane
