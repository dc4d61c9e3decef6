// A book of the samples and of generated stations: its pages, outline, text and
// face as qpdf and the poppler tools read them, and the same bytes a second time.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/apps/RunTellvane.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;
using test::runTellvane;

const std::string kSamples = TELLVANE_SAMPLES_DIR;

// What a program printed on standard output, and whether it exited 0.
std::string output(const std::string& command, bool* ok = nullptr) {
    std::string text;
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (ok) *ok = status == 0;
    return text;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Hourly readings of each station for each year, every hour, values varying by day.
void writeStations(const fs::path& csv, const std::vector<std::string>& stations, int firstYear, int lastYear) {
    std::ofstream out(csv);
    out << "station,date";
    for (int h = 1; h <= 24; ++h) out << ',' << h;
    out << '\n';
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t s = 0; s < stations.size(); ++s)
        for (int y = firstYear; y <= lastYear; ++y)
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= kDays[m - 1] + (m == 2 && y % 4 == 0); ++d) {
                    char date[40];
                    std::snprintf(date, sizeof date, "%04d-%02d-%02d", y, m, d);
                    out << stations[s] << ',' << date;
                    for (int h = 1; h <= 24; ++h) out << ',' << (static_cast<int>(s) * 7 + d * 13 + h * 3 + m) % 900 / 100.0;
                    out << '\n';
                }
}

// The outline as "title@page" lines, indented two spaces a level.
void outline(const nlohmann::json& items, int depth, std::string& out) {
    for (const auto& item : items) {
        out += std::string(2 * depth, ' ') + item["title"].get<std::string>() + "@" +
               std::to_string(item["destpageposfrom1"].get<int>()) + "\n";
        outline(item["kids"], depth + 1, out);
    }
}

struct BookCase {
    const char* name;
    std::vector<std::string> args;  // after "book"; "@DIR" is the scratch folder
    int pages;
    std::string outline;
    /// Per page, the texts pdftotext must find on it.
    std::vector<std::vector<std::string>> texts;
};

class Book : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tellvane-book-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        writeStations(dir_ / "gen.csv", {"3030000000003", "3030000000001", "3030000000002"}, 2019, 2020);
        std::ofstream(dir_ / "gen-stations.csv") << "station,name,water_system,river\n"
                                                    "3030000000002,北の沢,北川,北の沢川\n"
                                                    "3030000000003,南の沢,南川,南の沢川\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> args(std::vector<std::string> a) const {
        for (auto& s : a)
            if (s.starts_with("@")) s = (dir_ / s.substr(1)).string();
        return a;
    }

    fs::path dir_;
};

TEST_F(Book, HoldsEachStationKindsPagesWithOutlineTextAndOneFace) {
    const std::string moshiri = "301011281104010", nukada = "303011283322030";
    const BookCase cases[] = {
        {"samples",
         {"--data", kSamples + "/moshiri_301011281104010", kSamples + "/nukada_303011283322030_2025.csv", "--stations",
          kSamples + "/stations.csv"},
         9,
         moshiri + " 茂志利@1\n  水位@1\n    2023 年@2\n  流量@4\n    2023 年@5\n" + nukada + " 額田@7\n  2025 年@8\n",
         {{moshiri, "流", "2023"},
          {moshiri, "日", "2023"},
          {moshiri, "2023"},
          {moshiri, "2023"},
          {moshiri, "日", "2023"},
          {moshiri, "2023"},
          {nukada, "2025"},
          {nukada, "2025"},
          {nukada, "2025"}}},
        // Catalogue order first, then the station it does not list; one year of two.
        {"generated",
         {"--data", "@gen.csv", "--stations", "@gen-stations.csv", "--years", "2020-2020"},
         9,
         "3030000000002 北の沢@1\n  2020 年@2\n3030000000003 南の沢@4\n  2020 年@5\n3030000000001@7\n  2020 年@8\n",
         {{"3030000000002", "2020"},
          {"3030000000002", "2020"},
          {"3030000000002", "2020"},
          {"3030000000003", "2020"},
          {"3030000000003", "2020"},
          {"3030000000003", "2020"},
          {"3030000000001", "2020"},
          {"3030000000001", "2020"},
          {"3030000000001", "2020"}}},
    };
    for (const BookCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path book = dir_ / (std::string(c.name) + ".pdf");
        std::vector<std::string> a = {"book"};
        for (const auto& s : args(c.args)) a.push_back(s);
        a.push_back("--out");
        a.push_back(book.string());
        const auto run = runTellvane(a);
        ASSERT_EQ(run.code, 0) << run.err;
        const std::string first = bytesOf(book);
        ASSERT_EQ(runTellvane(a).code, 0);
        EXPECT_TRUE(bytesOf(book) == first) << "a second run wrote other bytes";

        const std::string path = "'" + book.string() + "'";
        bool clean = false;
        output("qpdf --check " + path, &clean);
        EXPECT_TRUE(clean);
        EXPECT_EQ(std::stoi(output("qpdf --show-npages " + path)), c.pages);
        std::string shown;
        outline(nlohmann::json::parse(output("qpdf --json " + path))["outlines"], 0, shown);
        EXPECT_EQ(shown, c.outline);
        // One face, embedded, a subset, with a Unicode map.
        const auto fonts = test::linesOf(output("pdffonts " + path));
        ASSERT_EQ(fonts.size(), 3u);
        EXPECT_NE(fonts[2].find("IPAGothic"), std::string::npos);
        EXPECT_NE(fonts[2].find("yes yes yes"), std::string::npos) << fonts[2];
        for (std::size_t p = 0; p < c.texts.size(); ++p) {
            const std::string n = std::to_string(p + 1);
            const std::string text = output("pdftotext -f " + n + " -l " + n + " " + path + " -");
            for (const std::string& want : c.texts[p]) EXPECT_NE(text.find(want), std::string::npos) << "page " << n << ": " << want;
        }
    }
}

// The book's plotted page is the drawing `render` writes alone.
TEST_F(Book, PlotsThePageRenderWritesAlone) {
    const std::string data = kSamples + "/nukada_303011283322030_2025.csv";
    const std::string stations = kSamples + "/stations.csv";
    const fs::path book = dir_ / "nukada.pdf";
    ASSERT_EQ(runTellvane({"book", "--data", data, "--stations", stations, "--out", book.string()}).code, 0);
    ASSERT_EQ(runTellvane({"render", "--data", data, "--stations", stations, "--out", (dir_ / "alone").string()}).code,
              0);
    const std::string alone = output("pdftotext '" + (dir_ / "alone" / "303011283322030_2025.pdf").string() + "' -");
    ASSERT_NE(alone.find("額田"), std::string::npos);
    EXPECT_EQ(output("pdftotext -f 3 -l 3 '" + book.string() + "' -"), alone);
}

TEST_F(Book, RefusesWhatItCannotWriteAndWritesNothing) {
    const std::string data = kSamples + "/nukada_303011283322030_2025.csv";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string out;
        int code;
    } cases[] = {
        {"svg", {"--data", data}, "book.svg", 1},
        {"SVG in capitals", {"--data", data}, "book.SVG", 1},
        {"years backwards", {"--data", data, "--years", "2025-2020"}, "book.pdf", 1},
        {"years not numbers", {"--data", data, "--years", "20x5"}, "book.pdf", 1},
        {"no such data", {"--data", (dir_ / "none.csv").string()}, "book.pdf", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> a = {"book"};
        for (const auto& s : c.args) a.push_back(s);
        a.push_back("--out");
        a.push_back((dir_ / c.out).string());
        const auto run = runTellvane(a);
        EXPECT_EQ(run.code, c.code);
        EXPECT_FALSE(run.err.empty());
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++files;
        EXPECT_EQ(files, 2u) << "only the scratch inputs";
    }
}

}  // namespace
}  // namespace tellvane
