#include <gtest/gtest.h>

#include "records/DataFiles.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using test::samplesDir;
using test::ScratchDir;

const auto kMoshiri = samplesDir() / "moshiri_301011281104010";

std::string failure(const std::vector<std::filesystem::path>& paths) {
    try {
        loadRecords(paths);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

TEST(DataFiles, AFolderStandsForItsDataFiles) {
    ScratchDir dir;
    std::filesystem::copy(kMoshiri / "hourly", dir.path() / "hourly");
    dir.write("hourly/notes.txt", "not data");
    const auto records = loadRecords({dir.path() / "hourly"});
    ASSERT_EQ(records.all().size(), 2u);
    EXPECT_EQ(records.all()[0].kind, SeriesKind::Discharge);  // jikoku_ryuryo sorts first
    EXPECT_EQ(records.all()[1].kind, SeriesKind::Level);
}

TEST(DataFiles, ReadsCsvAndDownloadsTogether) {
    const auto records = loadRecords({samplesDir() / "nukada_303011283322030_2025.csv", kMoshiri / "daily"});
    EXPECT_EQ(records.stations(), (std::vector<std::u16string>{u"303011283322030", u"301011281104010"}));
    EXPECT_EQ(records.all()[0].days.size(), 365u);
}

TEST(DataFiles, ADayGivenByTwoFilesNamesTheSecond) {
    const std::string message =
        failure({kMoshiri / "daily" / "nichi_ryuryo_2023.dat", kMoshiri / "hourly" / "jikoku_ryuryo_2023-01.dat"});
    EXPECT_NE(message.find("jikoku_ryuryo_2023-01.dat:11: station 301011281104010 has 2023-01-01 twice"),
              std::string::npos)
        << message;
}

TEST(DataFiles, UnreadableInputNamesTheFile) {
    ScratchDir dir;
    const auto missing = dir.path() / "missing.csv";
    EXPECT_NE(failure({missing}).find(missing.string() + ": cannot be read"), std::string::npos);
    std::filesystem::create_directories(dir.path() / "empty");
    EXPECT_NE(failure({dir.path() / "empty"}).find("holds no .dat or .csv files"), std::string::npos);
    EXPECT_THROW(loadStationCatalogue(dir.path()), InputError);
}

}  // namespace
}  // namespace tellvane
