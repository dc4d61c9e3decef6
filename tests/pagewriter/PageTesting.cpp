#include "tests/pagewriter/PageTesting.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace tellvane::pagewriter::test {

namespace {

constexpr double kSheetHeightPt = 297.0 / 25.4 * 72.0;
constexpr double kMmPerPt = 25.4 / 72.0;

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// A binary PPM (P6) as pdftoppm writes it: magic, width, height, maximum, one blank, samples.
Picture readPpm(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    int maximum = 0;
    Picture p;
    in >> magic >> p.width >> p.height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || !in) return {};
    p.rgb.resize(static_cast<std::size_t>(p.width) * p.height * 3);
    in.read(reinterpret_cast<char*>(p.rgb.data()), static_cast<std::streamsize>(p.rgb.size()));
    if (!in) return {};
    return p;
}

}  // namespace

std::unique_ptr<PlotDocument> startedDocument(PageWriterOptions options) {
    auto doc = PageDocumentFactory(std::move(options)).create();
    doc->SetupValue10(1.0);
    doc->SetupValue11(3);
    doc->StartDocument();
    doc->SetupValue1(u"");
    doc->SetupValue7(0);
    doc->SetupValue2(2.0);
    doc->SetupValue9(1);
    doc->SetupValue8(1);
    doc->SetupValue12(true);
    doc->SetupValue4(3.0);
    doc->SetupValue3(2.0);
    doc->SetupValue5(0.0);
    doc->SetupValue6(0);
    return doc;
}

bool waitUntilDone(PlotDocument& doc) {
    // A bound only so that a broken output cannot hang the suite.
    for (int i = 0; i < 60000; ++i) {
        if (doc.Done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

void writeTo(PlotDocument& doc, const std::string& path) {
    std::u16string wide(path.begin(), path.end());  // the tests' paths are ASCII
    doc.OutputToFile(wide);
    waitUntilDone(doc);
    doc.CloseDocument();
}

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pagewriter-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryDirectory::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

CommandResult runCommand(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

std::string pdfText(const std::string& pdf) {
    return runCommand("pdftotext -raw -enc UTF-8 " + quoted(pdf) + " -").out;
}

Picture renderedPage(const std::string& pdf, int dpi) {
    return readPpm(runCommand("pdftoppm -r " + std::to_string(dpi) + " -f 1 -l 1 -singlefile " + quoted(pdf)).out);
}

int darkestNear(const Picture& page, int dpi, double xMm, double yMm, int r) {
    const double perMm = dpi / 25.4;
    const int cx = static_cast<int>(xMm * perMm), cy = static_cast<int>((297.0 - yMm) * perMm);
    int darkest = 255;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            if (page.valid(x, y)) {
                const std::uint8_t* p = page.at(x, y);
                darkest = std::min(darkest, (p[0] * 11 + p[1] * 16 + p[2] * 5) / 32);
            }
    return darkest;
}

std::vector<WordBox> wordBoxes(const std::string& pdf) {
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

std::vector<std::string> pdfFonts(const std::string& pdf) {
    std::istringstream lines(runCommand("pdffonts " + quoted(pdf)).out);
    std::vector<std::string> fonts;
    int n = 0;
    for (std::string line; std::getline(lines, line);)
        if (++n > 2 && !line.empty()) fonts.push_back(line);
    return fonts;
}

}  // namespace tellvane::pagewriter::test
