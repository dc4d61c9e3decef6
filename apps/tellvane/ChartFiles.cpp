#include "apps/tellvane/ChartFiles.h"

#include <span>

#include "common/Error.h"
#include "fileout/FileSet.h"
#include "fileout/Target.h"

namespace tellvane::cli {

void writeChartFiles(const ChartPaths& paths, const std::vector<std::uint8_t>& png,
                     const std::function<void(const std::filesystem::path&)>& writePdf) {
    fileout::checkTarget(paths.png);
    fileout::checkTarget(paths.pdf);
    fileout::makeFolders(paths.png.parent_path());
    fileout::makeFolders(paths.pdf.parent_path());
    fileout::FileSet pair;
    pair.add(paths.png, std::as_bytes(std::span(png)));
    const std::filesystem::path page = pair.stage(paths.pdf);
    try {
        writePdf(page);
    } catch (const Error& e) {  // the staged name is ours; the user knows theirs
        throw e.naming(paths.pdf.string(), page.string());
    }
    pair.commit();
}

}  // namespace tellvane::cli
