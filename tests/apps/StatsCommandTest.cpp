#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/apps/RunTellvane.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using nlohmann::json;
using test::runTellvane;
using test::samplesDir;

const std::string kDailyDischarge = (samplesDir() / "moshiri_301011281104010/daily/nichi_ryuryo_2023.dat").string();
const std::string kNukada = (samplesDir() / "nukada_303011283322030_2025.csv").string();

TEST(StatsCommand, PrintsTheOfficialDailyYearsNumbers) {
    const auto run = runTellvane({"stats", "--data", kDailyDischarge});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(test::linesOf(run.out).size(), 1u);
    const json j = json::parse(run.out);
    EXPECT_EQ(j["station"], "301011281104010");
    EXPECT_EQ(j["year"], 2023);
    EXPECT_EQ(j["mode"], "7");
    EXPECT_EQ(j["result"], true);
    // The characteristic values computed from the same daily values elsewhere.
    EXPECT_EQ(j["stats"], json::parse("[114.95,13.11,7.33,3.96,1.75,1.2,10.26]"));
    EXPECT_EQ(j["txtMax"], "116");
    EXPECT_EQ(j["txtMin"], "0");

    const json& duration = j["duration"];
    ASSERT_FALSE(duration.empty());
    EXPECT_EQ(duration.front(), json::parse("[114.95,1]"));
    EXPECT_EQ(duration.back(), json::parse("[1.2,365]"));

    const json& days = j["days"];
    ASSERT_EQ(days.size(), 12u);
    for (const json& month : days) EXPECT_EQ(month.size(), 31u);
    EXPECT_EQ(days[0][0], "4.47");
    EXPECT_EQ(days[1][27], "2.56");
    EXPECT_EQ(days[1][28], "");  // there is no 29 February 2023
    EXPECT_EQ(days[11][30], "3.61");
}

TEST(StatsCommand, NumbersAreTheShortestRoundTrip) {
    const auto run = runTellvane({"stats", "--data", kNukada});
    ASSERT_EQ(run.code, 0) << run.err;
    // Spelled out: the printed numbers themselves matter, not only their values.
    EXPECT_NE(run.out.find(R"("mode":"1","result":true,"txtMax":"2.5","txtMin":"-1.5","stats":[0.64,-0.82,)"),
              std::string::npos)
        << run.out.substr(0, 200);
    const json j = json::parse(run.out);
    EXPECT_EQ(j["days"][0][0], "-0.98");
}

TEST(StatsCommand, ModeAndKindSetTheControlsMode) {
    const std::string daily = (samplesDir() / "moshiri_301011281104010/daily").string();
    EXPECT_EQ(json::parse(runTellvane({"stats", "--data", daily, "--kind", "level"}).out)["mode"], "1");
    const auto discharge = json::parse(runTellvane({"stats", "--data", daily, "--kind", "discharge"}).out);
    EXPECT_EQ(discharge["mode"], "7");
    EXPECT_EQ(discharge["stats"][0], 114.95);
    // --mode passes the text as it stands and picks the series of its kind.
    const auto midRange = json::parse(runTellvane({"stats", "--data", daily, "--mode", "4"}).out);
    EXPECT_EQ(midRange["mode"], "4");
    EXPECT_EQ(midRange["stats"][0], 322.53);
    EXPECT_EQ(json::parse(runTellvane({"stats", "--data", kNukada, "--kind", "discharge"}).out)["mode"], "7");
}

TEST(StatsCommand, SaysHowMuchOfTheYearTheDataCovers) {
    const auto full = runTellvane({"stats", "--data", kNukada});
    ASSERT_EQ(full.code, 0) << full.err;
    EXPECT_EQ(full.err, "");
    EXPECT_EQ(json::parse(full.out)["daysWithData"], 365);
    EXPECT_EQ(json::parse(full.out)["hoursWithReadings"], 365 * 24 - 54);  // 54 hours have no reading

    const std::string january = (samplesDir() / "moshiri_301011281104010/hourly/jikoku_ryuryo_2023-01.dat").string();
    const auto partial = runTellvane({"stats", "--data", january});
    ASSERT_EQ(partial.code, 0) << partial.err;  // a warning is not a failure
    const json j = json::parse(partial.out);
    EXPECT_EQ(j["daysWithData"], 31);
    EXPECT_EQ(j["hoursWithReadings"], 31 * 24 - 552);
    EXPECT_NE(partial.err.find("warning: station 301011281104010 2023 has data on 31 days"), std::string::npos)
        << partial.err;
    for (const char* value : {"豊水", "平水", "低水", "渇水"}) EXPECT_NE(partial.err.find(value), std::string::npos);
}

TEST(StatsCommand, TakesTheHourlyTablesOfADownloadFolderAndSaysSo) {
    const auto run =
        runTellvane({"stats", "--data", (samplesDir() / "moshiri_301011281104010").string(), "--kind", "discharge"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("note: station 301011281104010 discharge 2023: 31 days from the hourly tables, 334 from"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("level"), std::string::npos) << "only the note on the series charted: " << run.err;
    // The daily means of the hourly January are the official ones: the year is the official year.
    EXPECT_EQ(json::parse(run.out)["stats"], json::parse("[114.95,13.11,7.33,3.96,1.75,1.2,10.26]"));
}

}  // namespace
}  // namespace tellvane
