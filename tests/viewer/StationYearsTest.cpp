#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

#include "apps/viewer/StationYears.h"
#include "tests/support/FakePlatform.h"

namespace tellvane::viewer {
namespace {

const std::filesystem::path kSamples = TELLVANE_SAMPLES_DIR;
const std::filesystem::path kNukada = kSamples / "nukada_303011283322030_2025.csv";
const std::filesystem::path kMoshiriDaily = kSamples / "moshiri_301011281104010/daily";

TEST(StationYears, OffersTheStationsYearsAndStatedKindsOfTheDownloads) {
    const StationYears data({kMoshiriDaily});
    ASSERT_EQ(data.stations(), std::vector<std::u16string>{u"301011281104010"});
    EXPECT_EQ(data.years(u"301011281104010"), std::vector<int>{2023});
    EXPECT_EQ(data.kinds(u"301011281104010", 2023), (std::vector<ChartKind>{ChartKind::Level, ChartKind::Discharge}));
    EXPECT_EQ(data.namesOf(u"301011281104010"), (StationNames{u"茂志利", u"天塩川", u"天塩川"}));
}

TEST(StationYears, OffersOnlyTheKindTheFilesState) {
    const StationYears data({kMoshiriDaily / "nichi_ryuryo_2023.dat"});
    EXPECT_EQ(data.kinds(u"301011281104010", 2023), std::vector<ChartKind>{ChartKind::Discharge});
}

TEST(StationYears, OffersBothKindsForTheHourlyCsvWhichStatesNone) {
    const StationYears data({kNukada});
    ASSERT_EQ(data.stations(), std::vector<std::u16string>{u"303011283322030"});
    EXPECT_EQ(data.years(u"303011283322030"), std::vector<int>{2025});
    EXPECT_EQ(data.kinds(u"303011283322030", 2025), (std::vector<ChartKind>{ChartKind::Level, ChartKind::Discharge}));
    EXPECT_EQ(data.namesOf(u"303011283322030"), StationNames{});
}

// A control to receive the settings; it is never drawn.
struct Control {
    test::TestPlatform platform;
    TZenzu control{platform.platform()};
};

TEST(StationYears, PreparesTheControlAndAnswersWithTheChosenSeries) {
    const StationYears data({kMoshiriDaily});
    Control c;
    auto source = data.prepare({u"301011281104010", 2023, ChartKind::Discharge}, c.control);
    EXPECT_EQ(c.control.KansokujoNO(), u"301011281104010");
    EXPECT_EQ(c.control.Seireki(), 2023);
    EXPECT_EQ(c.control.Mode(), u"7");
    std::int32_t datano = 1;
    BlockArray block;
    bool ret = false;
    source->GetBlockData(datano, block, ret);
    EXPECT_TRUE(ret);
    EXPECT_EQ(block(0, 0), u"10");
    // 1 January 2023 discharge differs from its stage (321.57 m).
    EXPECT_NE(block(1, 1), u"");
    EXPECT_EQ(block(1, 1).find(u"321."), std::u16string::npos);

    auto level = data.prepare({u"301011281104010", 2023, ChartKind::Level}, c.control);
    EXPECT_EQ(c.control.Mode(), u"1");
    level->GetBlockData(datano, block, ret);
    EXPECT_EQ(block(1, 1).find(u"321.57"), 0u);
}

TEST(StationYears, TheCatalogueNamesReplaceTheFilesOwn) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("stations.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("station,name,water_system,river\n301011281104010,Moshiri,Teshio,Teshio river\n");
    file.close();
    const std::filesystem::path catalogue = file.fileName().toStdString();
    StationYears data({kMoshiriDaily});
    data.setCatalogue(catalogue);
    const StationNames expected{u"Moshiri", u"Teshio", u"Teshio river"};
    EXPECT_EQ(data.namesOf(u"301011281104010"), expected);
    Control c;
    auto source = data.prepare({u"301011281104010", 2023, ChartKind::Level}, c.control);
    std::u16string wok = u"301011281104010", kansokujo, suikei, kasen;
    source->GetLKansokujo(wok, kansokujo, suikei, kasen);
    EXPECT_EQ((StationNames{kansokujo, suikei, kasen}), expected);
}

}  // namespace
}  // namespace tellvane::viewer
