#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "tests/apps/RunTellvane.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using test::runTellvane;
using test::samplesDir;
using test::ScratchDir;

const std::string kHeader = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
const std::string kNukada = (samplesDir() / "nukada_303011283322030_2025.csv").string();
const std::string kDaily = (samplesDir() / "moshiri_301011281104010/daily").string();

struct Case {
    const char* name;
    /// The arguments after the program's name; may write files to the folder.
    std::function<std::vector<std::string>(const ScratchDir&)> args;
    int code;
    const char* err;  ///< a part of what goes to standard error
    bool quiet;       ///< nothing on standard output
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

using Args = std::vector<std::string>;

class ExitCodes : public testing::TestWithParam<Case> {};

TEST_P(ExitCodes, TellWhatHappened) {
    ScratchDir dir;
    const auto run = runTellvane(GetParam().args(dir));
    EXPECT_EQ(run.code, GetParam().code) << run.err;
    EXPECT_NE(run.err.find(GetParam().err), std::string::npos) << run.err;
    if (GetParam().quiet) {
        EXPECT_EQ(run.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ExitCodes,
    testing::Values(
        Case{"Stats", [](auto&) { return Args{"stats", "--data", kNukada}; }, 0, "", false},
        Case{"Help", [](auto&) { return Args{"stats", "--help"}; }, 0, "", false},
        Case{"NoCommand", [](auto&) { return Args{}; }, 1, "subcommand is required", true},
        Case{"UnknownCommand", [](auto&) { return Args{"plot"}; }, 1, "subcommand", true},
        Case{"NoData", [](auto&) { return Args{"stats"}; }, 1, "--data is required", true},
        Case{"UnknownKind", [](auto&) { return Args{"stats", "--data", kNukada, "--kind", "rain"}; }, 1, "rain", true},
        Case{"ModeAndKind",
             [](auto&) { return Args{"stats", "--data", kNukada, "--mode", "1", "--kind", "level"}; }, 1, "excludes",
             true},
        Case{"BadSize", [](auto&) { return Args{"trace", "--data", kNukada, "--size", "800"}; }, 1, "WxH", true},
        Case{"MissingFile",
             [](const ScratchDir& d) { return Args{"stats", "--data", (d.path() / "none.csv").string()}; }, 1,
             "none.csv: cannot be read", true},
        Case{"BadRow",
             [](const ScratchDir& d) {
                 return Args{"stats", "--data", d.write("bad.csv", kHeader + "A,2023-01-32" + std::string(24, ',') + "\n").string()};
             },
             1, "bad.csv:2: the date '2023-01-32'", true},
        Case{"BadCatalogue",
             [](const ScratchDir& d) {
                 return Args{"stats", "--data", kNukada, "--stations", d.write("s.csv", "station,name\n").string()};
             },
             1, "s.csv:1: the header", true},
        Case{"TwoKinds", [](auto&) { return Args{"stats", "--data", kDaily}; }, 1, "--kind", true},
        Case{"NoSuchYear", [](auto&) { return Args{"stats", "--data", kNukada, "--year", "2024"}; }, 2,
             "確認: 水位データ読込みエラーです。\n何かキーを押してください。\n", true},
        Case{"NoSuchStation", [](auto&) { return Args{"trace", "--data", kNukada, "--station", "1"}; }, 2,
             "水位データ読込みエラーです。", true},
        Case{"Overflow",
             [](const ScratchDir& d) {
                 return Args{"stats", "--data", d.write("big.csv", kHeader + "A,2023-01-01,1e999" + std::string(23, ',') + "\n").string()};
             },
             3, "run-time error 6: Overflow", true}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(ExitCodes, ReachTheShellThroughTheProgram) {
    const std::string command =
        std::string(TELLVANE_PROGRAM) + " stats --data " + kNukada + " --year 2024 >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace tellvane
