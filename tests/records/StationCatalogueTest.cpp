#include <gtest/gtest.h>

#include "records/StationCatalogue.h"

namespace tellvane {
namespace {

const std::string kHeader = "station,name,water_system,river\n";

TEST(StationCatalogue, MapsEachStationToItsNames) {
    const auto catalogue = readStationCatalogue(
        "\xEF\xBB\xBF# stations\n" + kHeader + "\" 301011281104010 \",茂志利,天塩川,天塩川\n\"X 1\", \" A, B\t\" ,,\n",
        "s.csv");
    ASSERT_EQ(catalogue.size(), 2u);
    EXPECT_EQ(catalogue.at(u"301011281104010"), (StationNames{u"茂志利", u"天塩川", u"天塩川"}));
    EXPECT_EQ(catalogue.at(u"X 1"), (StationNames{u"A, B", u"", u""}));
}

struct Bad {
    const char* name;
    std::string text;
    long line;
    friend void PrintTo(const Bad& c, std::ostream* os) { *os << c.name; }
};

class StationCatalogueRejects : public testing::TestWithParam<Bad> {};

TEST_P(StationCatalogueRejects, NamingTheLine) {
    try {
        readStationCatalogue(GetParam().text, "s.csv");
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(BadInput, StationCatalogueRejects,
                         testing::Values(Bad{"NoHeader", "", 0}, Bad{"WrongHeader", "station,name,river\n", 1},
                                         Bad{"ThreeCells", kHeader + "1,a,b\n", 2},
                                         Bad{"FiveCells", kHeader + "1,a,b,c,d\n", 2},
                                         Bad{"EmptyStation", kHeader + "1,a,b,c\n,a,b,c\n", 3},
                                         Bad{"ListedTwice", kHeader + "1,a,b,c\n2,a,b,c\n1,x,y,z\n", 4},
                                         Bad{"NotUtf8", kHeader + "1,\x92\x86,b,c\n", 2}),
                         [](const testing::TestParamInfo<Bad>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
