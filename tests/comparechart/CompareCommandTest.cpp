#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "yearhost/HostedYear.h"
#include "common/Error.h"
#include "common/Text.h"
#include "comparechart/CompareChart.h"
#include "pagewriter/PageDocument.h"
#include "record/RecordComparison.h"
#include "tests/apps/RunTellvane.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;

// A scratch folder of its own, removed with everything in it.
struct Scratch {
    fs::path dir = fs::temp_directory_path() / ("tellvane-compare-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Scratch() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
};

// Hourly readings of one station for the years, one reading a day at noon, a value
// that rises through the year and from year to year; badLine puts a bad cell there.
fs::path hourlyCsv(const fs::path& dir, int first, int last, int badLine = 0) {
    const fs::path file = dir / "record.csv";
    std::ofstream out(file);
    out << "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    int line = 1;
    for (int year = first; year <= last; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 28; ++day) {
                char date[16];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
                const double v = 0.5 + month * 0.1 + (year - first) * 0.05 + std::sin(day) * 0.2;
                char value[16];
                std::snprintf(value, sizeof value, "%.2f", v);
                out << "301," << date << ",,,,,,,,,,,," << (++line == badLine ? "abc" : value) << ",,,,,,,,,,,,\n";
            }
    return file;
}

std::vector<std::string> filesIn(const fs::path& dir) {
    std::vector<std::string> names;
    if (fs::exists(dir))
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(CompareCommand, WritesBothFilesAndNamesThem) {
    Scratch s;
    const fs::path data = hourlyCsv(s.dir, 2019, 2021), out = s.dir / "out";
    const auto run = test::runTellvane({"compare", "--data", data.string(), "--year", "2020", "--out", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(filesIn(out), (std::vector<std::string>{"301_2020_compare.pdf", "301_2020_compare.png"}));
    EXPECT_EQ(test::linesOf(run.out), (std::vector<std::string>{(out / "301_2020_compare.png").string(),
                                                                (out / "301_2020_compare.pdf").string()}));
    EXPECT_EQ(contentOf(out / "301_2020_compare.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(contentOf(out / "301_2020_compare.pdf").substr(0, 5), "%PDF-");
}

// Each failure leaves the folder as it was: an earlier picture is kept, and no new
// file nor temporary appears.
TEST(CompareCommand, WritesNeitherFileOnFailure) {
    struct Case {
        const char* what;
        int code;
        int badLine;  // of the data, 0 for none
        const char* year;
        bool pageIsAFolder;  // the page's name is taken by a folder
    };
    for (const Case c :
         {Case{"a bad reading", 1, 40, "2020", false}, Case{"a year without readings", 2, 0, "2024", false},
          Case{"a page that cannot be put in place", 3, 0, "2020", true}}) {
        Scratch s;
        const fs::path data = hourlyCsv(s.dir, 2019, 2021, c.badLine), out = s.dir / "out";
        fs::create_directories(out);
        std::ofstream(out / "301_2020_compare.png") << "earlier";
        if (c.pageIsAFolder) fs::create_directories(out / "301_2020_compare.pdf" / "inside");
        const std::vector<std::string> before = filesIn(out);
        const auto run =
            test::runTellvane({"compare", "--data", data.string(), "--year", c.year, "--out", out.string()});
        EXPECT_EQ(run.code, c.code) << c.what << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << c.what;
        EXPECT_EQ(filesIn(out), before) << c.what;
        EXPECT_EQ(contentOf(out / "301_2020_compare.png"), "earlier") << c.what;
    }
}

// A station with both kinds names each kind's files, as batch does, and needs --kind.
TEST(CompareCommand, BothKindsOfAStationAreNamedApart) {
    Scratch s;
    const std::string data = TELLVANE_SAMPLES_DIR "/moshiri_301011281104010";
    for (const auto& [kind, stem] : {std::pair{"level", "301011281104010_2023_level_compare"},
                                     {"discharge", "301011281104010_2023_discharge_compare"}}) {
        const auto run = test::runTellvane(
            {"compare", "--data", data, "--year", "2023", "--kind", kind, "--out", (s.dir / kind).string()});
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(filesIn(s.dir / kind),
                  (std::vector<std::string>{std::string(stem) + ".pdf", std::string(stem) + ".png"}));
    }
    const auto open = test::runTellvane({"compare", "--data", data, "--year", "2023", "--out", (s.dir / "x").string()});
    EXPECT_EQ(open.code, 1);
    EXPECT_NE(open.err.find("--kind"), std::string::npos) << open.err;
    EXPECT_FALSE(fs::exists(s.dir / "x"));
}

TEST(CompareCommand, TheRecordBecomesTheChartsInput) {
    Scratch s;
    const auto files = tellvane::loadFiles({hourlyCsv(s.dir, 2019, 2021).string()}, std::nullopt);
    const std::vector<StationRecord> records = recordsOf(files->records, files->catalogue, RecordRequest{});
    ASSERT_EQ(records.size(), 1u);
    const StationRecord& r = records[0];
    const CompareInput input = comparisonOf(r, 2020);
    EXPECT_EQ(input.station, u"301");
    EXPECT_FALSE(input.discharge);
    ASSERT_EQ(input.years.size(), r.years.size());
    for (std::size_t k = 0; k < r.years.size(); ++k) {
        EXPECT_EQ(input.years[k].year, r.years[k].year);
        EXPECT_EQ(input.years[k].daily, r.years[k].daily) << r.years[k].year;
    }
    EXPECT_EQ(input.yearValues, r.years[1].stats);
    EXPECT_EQ(input.periodYears, r.period.years);
    for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(input.periodValues[k], r.period.columns[k].mean) << k;
    EXPECT_EQ(test::errorOf([&] { comparisonOf(r, 2024); }), kSubscriptOutOfRange);

    // The same page as SVG, by the name's extension, with the chart's Japanese texts.
    pagewriter::PageDocumentFactory pages;
    const fs::path svg = s.dir / "compare.svg";
    plotCompareChart(input, *pages.create(), fromUtf8(svg.string()));
    const std::string page = contentOf(svg);
    EXPECT_NE(page.find("<svg"), std::string::npos);
    EXPECT_NE(page.find("日　水　位　比　較　図"), std::string::npos);
    EXPECT_NE(page.find("期間平均"), std::string::npos);
}

}  // namespace
}  // namespace tellvane
