// `tellvane record` end to end: its files read back as a spreadsheet reads them,
// and bad input refused with nothing written.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "apps/tellvane/TellvaneCli.h"
#include "tests/record/GeneratedRecord.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

struct CommandRun {
    int code;
    std::string out, err;
};

CommandRun record(std::vector<std::string> args) {
    args.insert(args.begin(), {"tellvane", "record"});
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = cli::runTellvane(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

std::string fileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string command(const std::string& line) {
    std::string out;
    FILE* p = popen(line.c_str(), "r");
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    EXPECT_EQ(pclose(p), 0) << line;
    return out;
}

// Two years of a station with a catalogue name; 2021 has no day.
class RecordCommand : public testing::Test {
protected:
    RecordCommand() {
        csv = dir.write("a.csv", test::generatedCsv("303011283322030", 2020, 2022, [](int y, int m, int d, int) {
            return y == 2021 ? std::string() : test::hundredths(m * 100 + d);
        }));
        stations = dir.write("stations.csv", "station,name,water_system,river\n303011283322030,額田,久慈川,久慈川\n");
    }
    test::ScratchDir dir;
    std::filesystem::path csv, stations;
};

TEST_F(RecordCommand, CsvOpensWithItsByteOrderMarkAndJapanese) {
    const auto out = dir.path() / "r.csv";
    const CommandRun r = record({"--data", csv.string(), "--stations", stations.string(), "--out", out.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string text = fileText(out);
    ASSERT_TRUE(text.starts_with("\xEF\xBB\xBF観測所,観測所名,種別,年,最大,")) << text.substr(0, 80);
    std::istringstream lines(text);
    std::vector<std::string> rows;
    for (std::string l; std::getline(lines, l);) rows.push_back(l);
    EXPECT_EQ(rows[1], "303011283322030,額田,水位,2020,12.31,2020-12-31,9.28,6.30,4.01,1.12,1.01,2020-01-01,6.67,366,0,"
                       "8784,,\r");
    EXPECT_EQ(rows[2], "303011283322030,額田,水位,2021,,,,,,,,,,0,365,0,,資料なし・期間外\r");
    EXPECT_TRUE(rows[4].starts_with("303011283322030,額田,水位,期間平均,12.31,")) << rows[4];
}

TEST_F(RecordCommand, WorkbookHoldsNumbersAsNumbersAndDatesAsDates) {
    const auto out = dir.path() / "r.xlsx";
    const CommandRun r = record({"--data", csv.string(), "--kind", "discharge", "--out", out.string(), "--daily"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string seen = command("/usr/bin/python3 " TELLVANE_TESTS_DIR "/read_workbook.py " + out.string());
    // The record sheet, then a daily sheet for each year with a day.
    EXPECT_NE(seen.find("303011283322030 流量\tB3\t年\t2020|int|0;12.31|float|0.00;2020-12-31 00:00:00|datetime|yyyy-mm-dd;"
                        "9.28|float|0.00"),
              std::string::npos)
        << seen;
    EXPECT_NE(seen.find("303011283322030 2020 流量\tB3\t日\t1|int|0;1.01|float|0.00;2.01|float|0.00"), std::string::npos)
        << seen;
    EXPECT_NE(seen.find("303011283322030 2022 流量"), std::string::npos) << seen;
    EXPECT_EQ(seen.find("2021 流量"), std::string::npos) << seen;
}

TEST_F(RecordCommand, BadInputOrUsageWritesNothingAndKeepsWhatWasThere) {
    const auto bad = dir.write("bad.csv", "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n"
                                          "A,2020-01-01,abc" + std::string(23, ',') + "\n");
    const auto kept = dir.write("kept.csv", "earlier");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    for (const Case& c : {Case{{"--data", bad.string(), "--out", kept.string()}, 1, bad.string() + ":2:"},
                          Case{{"--data", csv.string(), "--out", (dir.path() / "x.ods").string()}, 1, "--format"},
                          Case{{"--data", csv.string(), "--daily", "--out", kept.string()}, 1, "--daily"},
                          Case{{"--data", csv.string(), "--station", "B", "--out", kept.string()}, 2, "station B"},
                          Case{{"--data", csv.string(), "--years", "2022-2020"}, 1, "--years"}}) {
        const CommandRun r = record(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(fileText(kept), "earlier");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 4u);  // a.csv, stations.csv, bad.csv, kept.csv: no scratch file left behind
}

}  // namespace
}  // namespace tellvane
