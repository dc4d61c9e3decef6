#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

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

using Args = std::vector<std::string>;

struct Case {
    const char* name;
    Args args;  ///< after the program's name; "@NAME" is the scratch file NAME
    int code;
    const char* err;                    ///< a part of what goes to standard error
    bool quiet;                         ///< nothing on standard output
    std::string file = "", bytes = "";  ///< a scratch file to write first
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class ExitCodes : public testing::TestWithParam<Case> {};

TEST_P(ExitCodes, TellWhatHappened) {
    const Case& c = GetParam();
    ScratchDir dir;
    if (!c.file.empty()) dir.write(c.file, c.bytes);
    Args args = c.args;
    for (auto& a : args)
        if (a.starts_with('@')) a = (dir.path() / a.substr(1)).string();
    const auto run = runTellvane(args);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    if (c.quiet) {
        EXPECT_EQ(run.out, "");
    }
}

const std::string kDay = "A,2023-01-01,";

INSTANTIATE_TEST_SUITE_P(
    Commands, ExitCodes,
    testing::Values(
        Case{"Help", {"stats", "--help"}, 0, "", false}, Case{"NoCommand", {}, 1, "subcommand is required", true},
        Case{"UnknownCommand", {"plot"}, 1, "subcommand", true},
        Case{"NoData", {"stats"}, 1, "--data is required", true},
        Case{"UnknownKind", {"stats", "--data", kNukada, "--kind", "rain"}, 1, "rain", true},
        Case{"ModeAndKind", {"stats", "--data", kNukada, "--mode", "1", "--kind", "level"}, 1, "excludes", true},
        Case{"BadSize", {"trace", "--data", kNukada, "--size", "800"}, 1, "WxH", true},
        Case{"RenderBadSize", {"render", "--data", kNukada, "--size", "0x600"}, 1, "WxH", true},
        Case{"BatchNoData", {"batch", "--out", "@out"}, 1, "--data is required", true},
        Case{"BatchNoJobs", {"batch", "--data", kNukada, "--jobs", "0"}, 1, "--jobs", true},
        Case{"BatchTooManyJobs", {"batch", "--data", kNukada, "--jobs", "1000"}, 1, "from 1 to 64", true},
        Case{"SizeBeyondTheLargest", {"render", "--data", kNukada, "--size", "32767x32767"}, 1, "to 8192", true},
        Case{"KindTheDataContradicts",
             {"stats", "--data", kDaily + "/nichi_suii_2023.dat", "--kind", "discharge"},
             1,
             "station 301011281104010 2023 has no discharge readings, only level readings",
             true},
        Case{"ReadingThatIsNoNumber",
             {"render", "--data", "@bad.csv", "--out", "@out"},
             1,
             "bad.csv:2: hour 3: '欠測'",
             true,
             "bad.csv",
             kHeader + kDay + ",,欠測" + std::string(21, ',') + "\n"},
        Case{"MissingFile", {"stats", "--data", "@none.csv"}, 1, "none.csv: cannot be read", true},
        Case{"BadRow",
             {"stats", "--data", "@bad.csv"},
             1,
             "bad.csv:2: the date '2023-01-32'",
             true,
             "bad.csv",
             kHeader + "A,2023-01-32" + std::string(24, ',') + "\n"},
        Case{"BadCatalogue",
             {"stats", "--data", kNukada, "--stations", "@s.csv"},
             1,
             "s.csv:1: the header",
             true,
             "s.csv",
             "station,name\n"},
        Case{"TwoKinds", {"stats", "--data", kDaily}, 1, "--kind", true},
        Case{"NoSuchYear",
             {"stats", "--data", kNukada, "--year", "2024"},
             2,
             "確認: 水位データ読込みエラーです。\n何かキーを押してください。\n"
             "tellvane: station 303011283322030 has no readings in 2024; it has readings in 2025\n",
             true},
        Case{"NoSuchStation", {"trace", "--data", kNukada, "--station", "1"}, 2, "station 1 is not in the data", true},
        Case{"NoSuchKindInTheYear",
             {"stats", "--data", kDaily, "--kind", "discharge", "--year", "2022"},
             2,
             "station 301011281104010 has no discharge readings in 2022; it has level readings in 2023, discharge "
             "readings in 2023",
             true},
        Case{"RenderNoSuchYear",
             {"render", "--data", kNukada, "--year", "2024", "--out", "@out"},
             2,
             "確認: 水位データ読込みエラーです。\n",
             true},
        Case{"RowsWithoutReadings",
             {"render", "--data", "@empty.csv", "--out", "@out"},
             2,
             "tellvane: station A 2023 has no readings: every hour of its rows is empty or flagged",
             true,
             "empty.csv",
             kHeader + kDay + "-9999.00" + std::string(23, ',') + "\nA,2023-01-02," + std::string(23, ',') + "\n"},
        Case{"BatchRowsWithoutReadings",
             {"batch", "--data", "@empty.csv", "--out", "@out"},
             2,
             "has no readings: every hour",
             false,
             "empty.csv",
             kHeader + kDay + std::string(23, ',') + "\n"},
        Case{"NameTheFaceCannotDraw",
             {"render", "--data", kNukada, "--stations", "@s.csv", "--out", "@out"},
             1,
             "s.csv:2: the name '額田\U0001F600' holds U+1F600, which the typeface",
             true,
             "s.csv",
             "station,name,water_system,river\n303011283322030,額田\U0001F600,久慈川,久慈川\n"},
        Case{"RenderReadingBeyondTheLargest",
             {"render", "--data", "@big.csv", "--out", "@out"},
             1,
             "big.csv:2: hour 1: '1e308' is beyond",
             true,
             "big.csv",
             kHeader + kDay + "1e308" + std::string(23, ',') + "\n"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(ExitCodes, ReachTheShellThroughTheProgram) {
    const std::string command =
        std::string(TELLVANE_PROGRAM) + " stats --data " + kNukada + " --year 2024 >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

// The exit status of a shell command line.
int exitStatus(const std::string& command) {
    const int status = std::system(("bash -c '" + command + "'").c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    return WEXITSTATUS(status);
}

TEST(ExitCodes, AReaderThatStopsEarlyIsOutputThatCannotBeWritten) {
    const std::string program = TELLVANE_PROGRAM;
    EXPECT_EQ(exitStatus(program + " trace --plot --data " + kNukada +
                         " 2>/dev/null | head -1 >/dev/null; "
                         "exit ${PIPESTATUS[0]}"),
              4);
}

TEST(ExitCodes, AFileSizeLimitFailsTheRenderWithItsCauseAndLeavesNothing) {
    ScratchDir dir;
    const auto err = dir.path() / "err.txt";
    EXPECT_EQ(exitStatus("ulimit -f 4; " + std::string(TELLVANE_PROGRAM) + " render --data " + kNukada + " --out " +
                         (dir.path() / "out").string() + " 2>" + err.string()),
              3);
    std::ifstream in(err);
    const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(message.find("303011283322030_2025.png: cannot be written: File too large"), std::string::npos)
        << message;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "out")) << "the folder made for the charts is gone again";
}

// The workbook's library and the page's are opened only when a workbook or a page is
// written: a broken one fails that alone, with its cause, and leaves no file.
TEST(ExitCodes, ALibraryOpenedOnDemandFailsOnlyWhatNeedsIt) {
    struct Case {
        const char* library;
        std::string fine, failing;  // the subcommands, each run with --data
        const char* says;
    };
    for (const Case& c : {Case{TELLVANE_XLSX_LIBRARY, "record --out {}r.json", "record --out {}r.xlsx",
                               "the workbook could not be written: "},
                          Case{TELLVANE_HARFBUZZ_LIBRARY_FILE, "stats >{}r.json", "render --out {}charts",
                               "HarfBuzz, which writes the typeface, cannot be loaded: "}}) {
        SCOPED_TRACE(c.library);
        ScratchDir dir;
        std::ofstream(dir.path() / c.library) << "not a library";
        const auto run = [&](std::string args) {
            args.replace(args.find("{}"), 2, dir.path().string() + "/");
            return exitStatus("LD_LIBRARY_PATH=" + dir.path().string() + " " + TELLVANE_PROGRAM + " " + args +
                              " --data " + kNukada + " 2>" + (dir.path() / "err.txt").string());
        };
        EXPECT_EQ(run(c.fine), 0);
        EXPECT_EQ(run(c.failing), 3);
        std::ifstream in(dir.path() / "err.txt");
        const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_NE(message.find(c.library), std::string::npos) << message;
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "r.json"));
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "r.xlsx"));
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "charts"));
    }
}

TEST(ExitCodes, OutputThatCannotBeWrittenIsNoSuccess) {
    for (const char* subcommand : {"stats", "trace"}) {
        const std::string command =
            std::string(TELLVANE_PROGRAM) + " " + subcommand + " --data " + kNukada + " >/dev/full 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << subcommand;
        EXPECT_EQ(WEXITSTATUS(status), 4) << subcommand;
    }
}

}  // namespace
}  // namespace tellvane
