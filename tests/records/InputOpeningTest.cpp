// One way in: every input is asked what it is before it is read, and no input of
// any size is held beyond a bound.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "records/CsvRecords.h"
#include "records/DataFiles.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";

struct Case {
    const char* name;
    // Makes the input in the folder and returns its path.
    std::function<fs::path(const test::ScratchDir&)> make;
    bool catalogue;  // given as the station catalogue rather than as data
    long line;       // where the error is placed (0: the whole file)
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

fs::path fifo(const test::ScratchDir& dir) {
    const fs::path path = dir.path() / "pipe.csv";
    if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
    return path;
}

fs::path linkTo(const test::ScratchDir& dir, const char* target, const char* name) {
    const fs::path path = dir.path() / name;
    fs::create_symlink(target, path);
    return path;
}

fs::path sparse(const test::ScratchDir& dir, std::uintmax_t bytes) {
    const fs::path path = dir.write("sparse.csv", "");
    fs::resize_file(path, bytes);
    return path;
}

class InputOpening : public testing::TestWithParam<Case> {};

TEST_P(InputOpening, IsRefusedAtItsFileAndLine) {
    const test::ScratchDir dir;
    const fs::path path = GetParam().make(dir);
    try {
        if (GetParam().catalogue)
            loadStationCatalogue(path);
        else
            loadRecords({path});
        FAIL() << "read";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), path.string()) << e.what();
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, InputOpening,
    testing::Values(
        // Opened without blocking: a FIFO with no writer must not hang the reader.
        Case{"FifoAsData", fifo, false, 0}, Case{"FifoAsCatalogue", fifo, true, 0},
        Case{"DeviceAsData", [](const auto& d) { return linkTo(d, "/dev/zero", "zero.csv"); }, false, 0},
        Case{"DeviceAsDownload", [](const auto& d) { return linkTo(d, "/dev/urandom", "random.dat"); }, false, 0},
        Case{"DeviceAsCatalogue", [](const auto& d) { return linkTo(d, "/dev/null", "null.csv"); }, true, 0},
        Case{"FolderAsCatalogue", [](const auto& d) { return d.path(); }, true, 0},
        Case{"SparseCsvOfTwoGigabytes", [](const auto& d) { return sparse(d, 2ull << 30); }, false, 1},
        Case{"DownloadAboveItsLimit",
             [](const auto& d) { return fs::rename(sparse(d, 17u << 20), d.path() / "large.dat"), d.path() / "large.dat"; },
             false, 0},
        Case{"CsvLineAboveTheBound",
             [](const auto& d) {
                 return d.write("long.csv", kHeader + std::string(kLongestCsvRecord + 1, '1') + "\n");
             },
             false, 2},
        Case{"QuotedRecordAboveTheBound",
             [](const auto& d) {
                 std::string lines = kHeader + "x,\"";
                 while (lines.size() < kLongestCsvRecord + 100) lines += std::string(1000, 'a') + "\n";
                 return d.write("quoted.csv", lines);
             },
             false, 2}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
