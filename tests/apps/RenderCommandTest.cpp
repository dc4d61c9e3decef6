#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Palette.h"
#include "plot/PlotOutput.h"
#include "tests/apps/ChartFiles.h"
#include "tests/apps/RunTellvane.h"
#include "tests/records/TestFiles.h"
#include "tests/support/ConfigHome.h"

namespace tellvane {
namespace {

using test::linesOf;
using test::PixelSize;
using test::runTellvane;
using test::samplesDir;
using test::ScratchDir;

namespace fs = std::filesystem;

const std::string kNukada = (samplesDir() / "nukada_303011283322030_2025.csv").string();
const std::string kStations = (samplesDir() / "stations.csv").string();
const std::string kDailyDischarge = (samplesDir() / "moshiri_301011281104010/daily/nichi_ryuryo_2023.dat").string();
constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(RenderCommand, WritesTheChartAsPngAndThePageAsPdf) {
    ScratchDir dir;
    const fs::path out = dir.path() / "charts";
    const auto run = runTellvane({"render", "--data", kNukada, "--stations", kStations, "--out", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const fs::path png = out / "303011283322030_2025.png", pdf = out / "303011283322030_2025.pdf";
    EXPECT_EQ(linesOf(run.out), (std::vector<std::string>{png.string(), pdf.string()}));

    const test::OwnedPicture image = test::pngImage(png);
    ASSERT_EQ(test::sizeOf(image), (PixelSize{1024, 768}));
    // White around the chart; the grey frame's right edge and its top and bottom
    // rules where no label covers them (plot area 30..1014 by 60..748).
    struct Point {
        int x, y;
    };
    for (const Point p : {Point{0, 0}, Point{1023, 767}, Point{1019, 400}})
        EXPECT_EQ(image.rgbAt(p.x, p.y), kWhite) << p.x << "," << p.y;
    for (const Point p : {Point{1014, 400}, Point{1013, 400}, Point{500, 60}, Point{500, 748}, Point{1014, 748}})
        EXPECT_TRUE(test::isPalette(image, p.x, p.y, kGrey)) << p.x << "," << p.y;

    EXPECT_EQ(test::fileStart(pdf, 5), "%PDF-");
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("水位年図"), std::string::npos) << text;
    EXPECT_NE(text.find("額田"), std::string::npos) << text;
    // The control's own file name is not left behind.
    EXPECT_FALSE(fs::exists(out / "M_g_l.kvd"));
}

TEST(RenderCommand, DrawsOnARasterOfTheGivenSize) {
    ScratchDir dir;
    const auto run =
        runTellvane({"render", "--data", kDailyDischarge, "--size", "640x480", "--out", dir.path().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(test::sizeOf(test::pngImage(dir.path() / "301011281104010_2023.png")), (PixelSize{640, 480}));
    // The discharge wording reaches the page.
    EXPECT_NE(test::pdfText(dir.path() / "301011281104010_2023.pdf").find("流量年図"), std::string::npos);
}

TEST(RenderCommand, AYearWithoutDataWritesNothing) {
    ScratchDir dir;
    const fs::path out = dir.path() / "charts";
    const auto run = runTellvane({"render", "--data", kNukada, "--year", "2024", "--out", out.string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("水位データ読込みエラーです。"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST(RenderCommand, AFailedPageWritesNeitherFileAndKeepsEarlierOnes) {
    ScratchDir dir;
    const fs::path png = dir.path() / "303011283322030_2025.png", pdf = dir.path() / "303011283322030_2025.pdf";
    const auto good = runTellvane({"render", "--data", kNukada, "--out", dir.path().string()});
    ASSERT_EQ(good.code, 0) << good.err;
    const auto pngSize = fs::file_size(png), pdfSize = fs::file_size(pdf);

    // A pen beyond 16 bits fails the plotted page with Overflow, after the picture.
    test::ConfigHome home;
    ASSERT_TRUE(home.write("BRACKENLY", "[SETTING]\nHougan1Pen=70000\n"));
    const auto failed = runTellvane({"render", "--data", kNukada, "--size", "640x480", "--out", dir.path().string()});
    EXPECT_EQ(failed.code, 3);
    EXPECT_NE(failed.err.find("run-time error 6"), std::string::npos) << failed.err;
    // The message names where the user mends it: the settings file and the key.
    EXPECT_NE(failed.err.find(home.file("BRACKENLY").string() + ": Hougan1Pen"), std::string::npos) << failed.err;
    EXPECT_EQ(fs::file_size(png), pngSize);
    EXPECT_EQ(test::sizeOf(test::pngImage(png)), (PixelSize{1024, 768}));  // the earlier picture, not the 640 x 480 one
    EXPECT_EQ(fs::file_size(pdf), pdfSize);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_TRUE(entry.path() == png || entry.path() == pdf) << entry.path();
}

TEST(RenderCommand, TheControlsOwnPageNameInTheFolderIsNeverUsed) {
    ScratchDir dir;
    // The control writes its page in a work folder of its own, not in the user's.
    fs::create_directories(dir.path() / kPlotFileName);
    const auto run = runTellvane({"render", "--data", kNukada, "--out", dir.path().string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir.path() / "303011283322030_2025.png"));
    EXPECT_TRUE(fs::is_directory(dir.path() / kPlotFileName));  // not the tool's to touch
}

TEST(RenderCommand, TheProgramRunsOffscreenByItself) {
    // Without QT_QPA_PLATFORM and without a display the program must still draw.
    ScratchDir dir;
    const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                                std::string(TELLVANE_PROGRAM) + " render --data " + kNukada + " --out " +
                                dir.path().string() + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::sizeOf(test::pngImage(dir.path() / "303011283322030_2025.png")), (PixelSize{1024, 768}));
    EXPECT_EQ(test::fileStart(dir.path() / "303011283322030_2025.pdf", 5), "%PDF-");
}

TEST(RenderCommand, ThePageIsTheSameInEveryTimeZone) {
    // The writer stamps local time, whose written form differs between zones.
    ScratchDir dir;
    std::string pages[3];
    const char* zones[3] = {"UTC0", "JST-9", "EST5"};  // POSIX forms: no time zone files needed
    for (int i = 0; i < 3; ++i) {
        const fs::path out = dir.path() / std::to_string(i);
        const std::string command = "TZ=" + std::string(zones[i]) + " " + TELLVANE_PROGRAM + " render --data " +
                                    kNukada + " --out " + out.string() + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << zones[i];
        pages[i] = test::fileStart(out / "303011283322030_2025.pdf", 1 << 20);
        ASSERT_GT(pages[i].size(), 1000u) << zones[i];
    }
    EXPECT_EQ(pages[1], pages[0]) << zones[1];
    EXPECT_EQ(pages[2], pages[0]) << zones[2];
}

// The other kind's chart of the same station-year in the folder, as a render or a
// batch left it, is never replaced: the new chart carries its kind in its names.
TEST(RenderCommand, KeepsTheOtherKindsChartOfTheStationYear) {
    const std::string daily = (samplesDir() / "moshiri_301011281104010/daily").string();
    const std::string level = "301011281104010_2023", named = level + "_discharge";
    struct Case {
        const char* name;
        std::vector<std::string> before;  // what was rendered into the folder first, if anything
        const char* placed;               // a file put there by hand, if any
        std::string expected;
    } cases[] = {
        {"plain level files", {"--kind", "level"}, nullptr, named},
        {"a batch's level picture", {}, "301011281104010_2023_level.png", named},
        {"plain discharge files", {"--kind", "discharge"}, nullptr, level},
        {"a page not written by us", {}, "301011281104010_2023.pdf", level},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        if (!c.before.empty()) {
            std::vector<std::string> args{"render", "--data", daily, "--out", dir.path().string()};
            args.insert(args.end(), c.before.begin(), c.before.end());
            ASSERT_EQ(runTellvane(args).code, 0);
        }
        if (c.placed) std::ofstream(dir.path() / c.placed) << "%PDF-1.4 not a chart";
        const auto run = runTellvane({"render", "--data", daily, "--kind", "discharge", "--out", dir.path().string()});
        ASSERT_EQ(run.code, 0) << run.err;
        const fs::path pdf = dir.path() / (c.expected + ".pdf");
        EXPECT_EQ(linesOf(run.out),
                  (std::vector<std::string>{(dir.path() / (c.expected + ".png")).string(), pdf.string()}));
        EXPECT_NE(test::pdfText(pdf).find("流量年図"), std::string::npos);
        if (c.expected == named && !c.placed) {
            EXPECT_NE(test::pdfText(dir.path() / (level + ".pdf")).find("水位年図"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tellvane
