#include "tests/plotdoc/PlotDocTesting.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <regex>

namespace tellvane::plotdoc::test {

namespace {

constexpr double kSheetHeightPt = 297.0 / 25.4 * 72.0;
constexpr double kMmPerPt = 25.4 / 72.0;

std::string quoted(const QString& path) { return "'" + path.toStdString() + "'"; }

}  // namespace

CommandResult runCommand(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

std::string pdfText(const QString& pdf) { return runCommand("pdftotext -raw -enc UTF-8 " + quoted(pdf) + " -").out; }

QImage renderedPage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    runCommand("pdftoppm -r " + std::to_string(dpi) + " -png -singlefile " + quoted(pdf) + " " + quoted(prefix));
    return QImage(prefix + ".png");
}

int darkestNear(const QImage& page, int dpi, double xMm, double yMm, int r) {
    const double perMm = dpi / 25.4;
    const int cx = static_cast<int>(xMm * perMm), cy = static_cast<int>((297.0 - yMm) * perMm);
    int darkest = 255;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            if (page.valid(x, y)) darkest = std::min(darkest, qGray(page.pixel(x, y)));
    return darkest;
}

std::vector<WordBox> wordBoxes(const QString& pdf) {
    const std::string html = runCommand("pdftotext -bbox -enc UTF-8 " + quoted(pdf) + " -").out;
    static const std::regex word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    std::vector<WordBox> boxes;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        boxes.push_back({m[5].str(), std::stod(m[1].str()) * kMmPerPt,
                         (kSheetHeightPt - std::stod(m[4].str())) * kMmPerPt, std::stod(m[3].str()) * kMmPerPt,
                         (kSheetHeightPt - std::stod(m[2].str())) * kMmPerPt});
    }
    return boxes;
}

}  // namespace tellvane::plotdoc::test
