// The PNG output on the real chart of the sample year, as `tellvane render` draws it.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "yearhost/HostedYear.h"
#include "yearhost/RasterChart.h"
#include "apps/tellvane/YearOptions.h"
#include "hostkit/SleepingEventPump.h"
#include "raster/ColourIndex.h"
#include "tests/support/PngReference.h"

namespace tellvane {
namespace {

namespace fs = std::filesystem;

class SampleChartPng : public testing::Test {
protected:
    void SetUp() override {
        cli::YearOptions options;
        options.data = {TELLVANE_SAMPLES_DIR "/nukada_303011283322030_2025.csv"};
        options.stations = TELLVANE_SAMPLES_DIR "/stations.csv";
        year = std::make_unique<HostedYear>(options.query(), std::cerr);
        chart = std::make_unique<RasterChart>(ChartSize{1024, 768}, pump, std::cerr, u"");
        year->setUp(chart->control());
        chart->control().setEvents(&year->events());
        ASSERT_TRUE(chart->control().NenZu());
    }

    raster::PictureView picture() const { return chart->picture(); }

    SleepingEventPump pump;
    std::unique_ptr<HostedYear> year;
    std::unique_ptr<RasterChart> chart;
};

TEST_F(SampleChartPng, EveryIndexingPathAgreesWithThePortableOne) {
    const raster::IndexedImage portable = raster::indexColours(picture(), raster::IndexingPath::Portable);
    // The chart's text edges give it more colours than a palette holds.
    EXPECT_FALSE(portable.exact);
    for (raster::IndexingPath path : raster::availablePaths()) {
        const raster::IndexedImage indexed = raster::indexColours(picture(), path);
        EXPECT_EQ(indexed.palette, portable.palette);
        EXPECT_TRUE(std::equal(indexed.rows.get(), indexed.rows.get() + indexed.size(), portable.rows.get()))
            << "path " << static_cast<int>(path);
    }
}

TEST_F(SampleChartPng, DecodesToTheSamePixelsAsTheReferenceEncoder) {
    const fs::path path = fs::temp_directory_path() / ("tellvane-sample-" + std::to_string(::getpid()) + ".png");
    chart->savePng(path.string());
    const std::vector<std::uint32_t> written = test::decodePng(test::fileBytes(path.string()));
    fs::remove(path);
    const std::vector<std::uint32_t> reference =
        test::decodePng(test::referencePng(test::referenceIndex(picture()), 1024, 768));
    ASSERT_EQ(written.size(), 1024u * 768u);
    EXPECT_TRUE(written == reference);
}

}  // namespace
}  // namespace tellvane
