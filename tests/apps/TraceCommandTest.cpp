#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "tests/apps/RunTellvane.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using nlohmann::json;
using test::linesOf;
using test::runTellvane;
using test::samplesDir;

const std::string kNukada = (samplesDir() / "nukada_303011283322030_2025.csv").string();
const std::string kStations = (samplesDir() / "stations.csv").string();

TEST(TraceCommand, InterleavesTheHostsEventsWithTheDrawing) {
    const auto run = runTellvane({"trace", "--data", kNukada, "--stations", kStations});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = linesOf(run.out);
    std::vector<json> parsed;
    for (const auto& line : lines) parsed.push_back(json::parse(line));

    // The 36 blocks come first, in order, each before anything is drawn.
    for (int n = 1; n <= 36; ++n) EXPECT_EQ(parsed.at(n - 1), (json{{"event", "GetBlockData"}, {"datano", n}}));
    EXPECT_FALSE(parsed.at(36).contains("event"));
    EXPECT_EQ(parsed.at(36), (json{{"op", "background"}, {"rgb", "FFFFFF"}}));

    // The names are asked for once, in the middle of the captions, and printed next.
    std::size_t names = 0, at = 0;
    for (std::size_t i = 0; i < parsed.size(); ++i)
        if (parsed[i].value("event", "") == "GetLKansokujo") ++names, at = i;
    ASSERT_EQ(names, 1u);
    bool printed = false;
    for (std::size_t i = at + 1; i < parsed.size() && !printed; ++i)
        printed = parsed[i].value("op", "") == "print" &&
                  parsed[i]["text"].get<std::string>().find("額田") != std::string::npos;
    EXPECT_TRUE(printed);
    EXPECT_LT(at, parsed.size() - 1);
}

TEST(TraceCommand, WithPlotFollowsTheChartWithThePlottedPage) {
    const auto chart = linesOf(runTellvane({"trace", "--data", kNukada, "--stations", kStations}).out);
    const auto run = runTellvane({"trace", "--data", kNukada, "--stations", kStations, "--plot"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = linesOf(run.out);
    ASSERT_GT(lines.size(), chart.size());
    EXPECT_TRUE(std::equal(chart.begin(), chart.end(), lines.begin()));  // the chart's lines come first, unchanged

    std::vector<json> page;
    for (std::size_t i = chart.size(); i < lines.size(); ++i) page.push_back(json::parse(lines[i]));
    std::size_t names = 0;
    bool started = false, station = false;
    std::string output;
    for (const json& j : page) {
        names += j.value("event", "") == "GetLKansokujo";
        started = started || j.value("op", "") == "StartDocument";
        station = station || (j.contains("text") && j["text"].get<std::string>().find("額田") != std::string::npos);
        if (j.value("op", "") == "OutputToFile") output = j.dump();
    }
    EXPECT_EQ(names, 1u);
    EXPECT_TRUE(started);
    EXPECT_TRUE(station);
    EXPECT_NE(output.find("M_g_l.kvd"), std::string::npos) << output;
    EXPECT_EQ(page.back().value("op", ""), "CloseDocument");
}

TEST(TraceCommand, DrawsOnASurfaceOfTheGivenSize) {
    const auto maxX = [](const std::string& out) {
        double x = 0;
        for (const auto& line : linesOf(out)) {
            const json j = json::parse(line);
            if (j.value("op", "") == "line") x = std::max({x, j["x1"].get<double>(), j["x2"].get<double>()});
        }
        return x;
    };
    const double wide = maxX(runTellvane({"trace", "--data", kNukada}).out);
    const double narrow = maxX(runTellvane({"trace", "--data", kNukada, "--size", "640x480"}).out);
    EXPECT_GT(wide, 640);
    EXPECT_LT(narrow, 640);
    EXPECT_GT(narrow, 0);
}

// A reading that once overflowed the daily sum in block 2 is now refused by the
// reader, before the control runs: nothing is printed.
TEST(TraceCommand, AReadingBeyondTheLargestIsRefusedBeforeAnyLine) {
    test::ScratchDir dir;
    const std::string header = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    const auto data = dir.write("big.csv", header + "A,2023-01-01,1" + std::string(23, ',') + "\n" +
                                               "A,2023-01-11,1e999" + std::string(23, ',') + "\n");
    const auto run = runTellvane({"trace", "--data", data.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("big.csv:3: hour 1: '1e999'"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace tellvane
