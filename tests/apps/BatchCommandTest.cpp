#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/apps/ChartFiles.h"
#include "tests/apps/RunTellvane.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using test::linesOf;
using test::runTellvane;
using test::samplesDir;
using test::ScratchDir;

namespace fs = std::filesystem;

const std::string kHeader = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";

std::string day(const std::string& station, const std::string& date, const std::string& first) {
    return station + "," + date + "," + first + std::string(23, ',') + "\n";
}

// Four station-years; B's page cannot take its place (see blockB), a run-time error.
const std::string kData = kHeader + day("A", "2023-03-01", "1.5") + day("A", "2024-03-01", "2.5") +
                          day("B", "2023-03-01", "4") + day("C", "2023-07-01", "3");

// A folder where B's page is to go.
void blockB(const fs::path& out) { fs::create_directories(out / "B_2023.pdf"); }

const std::string kBError = "run-time error 75: Path/File access error: ";
const std::string kBFailed = "B 2023: failed: " + kBError;

std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

class BatchCommand : public testing::TestWithParam<int> {};  // the number of jobs

TEST_P(BatchCommand, AFailingStationYearIsReportedAndTheOthersAreWritten) {
    ScratchDir dir;
    const fs::path data = dir.write("years.csv", kData), out = dir.path() / "charts";
    blockB(out);
    const auto run =
        runTellvane({"batch", "--data", data.string(), "--out", out.string(), "--jobs", std::to_string(GetParam())});
    EXPECT_NE(run.code, 0);
    EXPECT_EQ(run.code, 3) << "the first failure's code: a run-time error";
    EXPECT_EQ(filesIn(out), (std::set<std::string>{"A_2023.pdf", "A_2023.png", "A_2024.pdf", "A_2024.png", "B_2023.pdf",
                                                   "C_2023.pdf", "C_2023.png"}));
    EXPECT_TRUE(fs::is_directory(out / "B_2023.pdf"));
    EXPECT_EQ(test::sizeOf(test::pngImage(out / "C_2023.png")), (test::PixelSize{1024, 768}));
    EXPECT_EQ(test::fileStart(out / "A_2024.pdf", 5), "%PDF-");

    // A plain line per station-year, whichever job finished it; then the warnings,
    // since each station-year holds one day.
    const auto progress = linesOf(run.err);
    ASSERT_EQ(progress.size(), 8u) << run.err;
    for (std::size_t i = 4; i < 8; ++i)
        EXPECT_TRUE(progress[i].starts_with("tellvane: warning: station ")) << progress[i];
    EXPECT_NE(run.err.find("station C 2023 has data on 1 days"), std::string::npos);
    std::set<std::string> reported;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string count = std::to_string(i + 1) + "/4 ";
        ASSERT_TRUE(progress[i].starts_with(count)) << progress[i];
        const std::string line = progress[i].substr(count.size());
        reported.insert(line.starts_with(kBFailed) ? kBFailed : line);
    }
    EXPECT_EQ(reported, (std::set<std::string>{"A 2023: written", "A 2024: written", kBFailed, "C 2023: written"}));

    const auto summary = linesOf(run.out);
    ASSERT_EQ(summary.size(), 2u) << run.out;
    EXPECT_TRUE(summary[0].starts_with("4 station-years: 3 written to " + out.string() + ", 1 failed, in "))
        << summary[0];
    EXPECT_TRUE(summary[1].starts_with("failed: B 2023: " + kBError)) << summary[1];
    EXPECT_NE(summary[1].find("B_2023.pdf: is a folder"), std::string::npos) << summary[1];
}

INSTANTIATE_TEST_SUITE_P(Jobs, BatchCommand, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST(BatchCommandAlone, SucceedsWhenEveryYearIsWritten) {
    ScratchDir dir;
    const auto run = runTellvane(
        {"batch", "--data", (samplesDir() / "nukada_303011283322030_2025.csv").string(), "--out", dir.path().string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"303011283322030_2025.pdf", "303011283322030_2025.png"}))
        << "nothing but the charts is left behind";
}

TEST(BatchCommandAlone, NamesTheKindWhenAStationHasTwoInAYear) {
    ScratchDir dir;
    const auto run = runTellvane(
        {"batch", "--data", (samplesDir() / "moshiri_301011281104010/daily").string(), "--out", dir.path().string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(filesIn(dir.path()),
              (std::set<std::string>{"301011281104010_2023_discharge.pdf", "301011281104010_2023_discharge.png",
                                     "301011281104010_2023_level.pdf", "301011281104010_2023_level.png"}));
    EXPECT_NE(test::pdfText(dir.path() / "301011281104010_2023_discharge.pdf").find("流量年図"), std::string::npos);
    EXPECT_NE(test::pdfText(dir.path() / "301011281104010_2023_level.pdf").find("水位年図"), std::string::npos);
}

TEST(BatchCommandAlone, OnATerminalDrawsABarInPlace) {
    ScratchDir dir;
    const fs::path data = dir.write("years.csv", kData);
    blockB(dir.path() / "charts");
    const auto run =
        runTellvane({"batch", "--data", data.string(), "--out", (dir.path() / "charts").string(), "--jobs", "1"}, true);
    EXPECT_EQ(run.code, 3);
    // No line per station-year: the bar is redrawn over itself, the failure above it.
    EXPECT_EQ(run.err.find("A 2023: written"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\r\x1b[K" + kBFailed), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\r\x1b[K[" + std::string(30, '#') + "] 4/4 "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("] 2/4 "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("/s  "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" left"), std::string::npos) << run.err;
}

TEST(BatchCommandAlone, BadInputWritesNothing) {
    ScratchDir dir;
    const fs::path data = dir.write("bad.csv", kHeader + "A,2023-02-30" + std::string(24, ',') + "\n");
    const auto run = runTellvane({"batch", "--data", data.string(), "--out", (dir.path() / "charts").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("bad.csv:2:"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(dir.path() / "charts"));
}

}  // namespace
}  // namespace tellvane
