// The canvas surface sets the same pixels as the desktop's raster surface, texts
// aside: for whole charts of the samples and for every kind of call at random; and
// over the picture in memory, texts included, it looks as the desktop's does.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <random>
#include <string>

#include "canvas/CanvasSurface.h"
#include "control/TZenzu.h"
#include "pagewriter/PageWriterOptions.h"
#include "qt/RasterSurface.h"
#include "raster/PictureCanvas.h"
#include "records/DataFiles.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "tests/canvas/PixelCanvas.h"
#include "tests/support/FakePlatform.h"

namespace tellvane {
namespace {

// The desktop surface with its texts left out, as the pixel canvas leaves them.
class TextlessRasterSurface : public RasterSurface {
public:
    using RasterSurface::RasterSurface;
    void print(const std::u16string&) override {}
};

// The first few pixels that differ, or nothing.
std::string differences(const QImage& qt, const test::PixelCanvas& canvas) {
    if (qt.width() != canvas.width || qt.height() != canvas.height)
        return "sizes " + std::to_string(qt.width()) + "x" + std::to_string(qt.height()) + " and " +
               std::to_string(canvas.width) + "x" + std::to_string(canvas.height);
    std::string out;
    int count = 0;
    for (int y = 0; y < qt.height(); ++y)
        for (int x = 0; x < qt.width(); ++x) {
            const std::uint32_t a = qt.pixel(x, y) & 0xFFFFFF, b = canvas.at(x, y);
            if (a != b && ++count <= 8)
                out += " (" + std::to_string(x) + "," + std::to_string(y) + ") " + std::to_string(a) + "/" +
                       std::to_string(b);
        }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + out;
}

// Both surfaces behind one interface: every call goes to each.
template <typename QtSurface>
class BothSurfaces : public DrawingSurface {
public:
    explicit BothSurfaces(canvas::Canvas& pixels) : canvas(pixels) {}

    QtSurface qt;
    canvas::CanvasSurface canvas;

    float scaleWidth() override { return canvas.scaleWidth(); }
    float scaleHeight() override { return canvas.scaleHeight(); }
    float outerWidth() override { return canvas.outerWidth(); }
    void setLeft(float v) override { qt.setLeft(v), canvas.setLeft(v); }
    void setTop(float v) override { qt.setTop(v), canvas.setTop(v); }
    void setWidth(float v) override { qt.setWidth(v), canvas.setWidth(v); }
    void setHeight(float v) override { qt.setHeight(v), canvas.setHeight(v); }
    void setBackground(std::uint32_t v) override { qt.setBackground(v), canvas.setBackground(v); }
    void clear() override { qt.clear(), canvas.clear(); }
    void setLineStyle(LineStyle v) override { qt.setLineStyle(v), canvas.setLineStyle(v); }
    void setLineWidth(int v) override { qt.setLineWidth(v), canvas.setLineWidth(v); }
    void setTextColor(int v) override { qt.setTextColor(v), canvas.setTextColor(v); }
    void setFontSize(float v) override { qt.setFontSize(v), canvas.setFontSize(v); }
    void setFontBold(bool v) override { qt.setFontBold(v), canvas.setFontBold(v); }
    void line(float a, float b, float c, float d, int p) override {
        qt.line(a, b, c, d, p), canvas.line(a, b, c, d, p);
    }
    void box(float a, float b, float c, float d, int p) override { qt.box(a, b, c, d, p), canvas.box(a, b, c, d, p); }
    void fillBox(float a, float b, float c, float d, int p) override {
        qt.fillBox(a, b, c, d, p), canvas.fillBox(a, b, c, d, p);
    }
    void setTextPos(float x, float y) override { qt.setTextPos(x, y), canvas.setTextPos(x, y); }
    void print(const std::u16string& t) override { qt.print(t), canvas.print(t); }
};

struct SampleChart {
    const char* name;
    const char* data;  // under the samples
    int width, height;
    const char* mode;  // empty: as the data says
    std::optional<SeriesKind> kind;
};
void PrintTo(const SampleChart& c, std::ostream* os) { *os << c.name; }

// A control of its own drawing a sample year on the surface at the chart's size.
struct SampleHost {
    SampleHost(const SampleChart& c, DrawingSurface& surface)
        : records(loadRecords({std::filesystem::path(TELLVANE_SAMPLES_DIR) / c.data})),
          selected(selectYear(records, {std::nullopt, std::nullopt, c.kind})),
          source(selected.series, selected.year, namesOf(selected, {})),
          control(Platform{container, surface, screen, messages, settings, library, events, plots}) {
        container.width = static_cast<float>(c.width * 15);
        container.height = static_cast<float>(c.height * 15);
        control.setEvents(&source);
        control.setKansokujoNO(selected.station);
        control.setSeireki(selected.year);
        control.setMode(*c.mode ? std::u16string(c.mode, c.mode + std::char_traits<char>::length(c.mode))
                                : modeOf(selected, std::nullopt));
        control.Resize();
    }
    // The chart drawn again at another size, over what was there.
    void redrawNarrower(const SampleChart& c) {
        container.width = static_cast<float>(c.height * 15);
        control.Resize();
        control.ReGRaph();
    }

    StationRecords records;
    SelectedYear selected;
    YearBlockSource source;
    test::FakeContainer container;
    test::FakeScreen screen;
    test::FakeMessageBox messages;
    test::FakeSettings settings;
    test::FakeLibrary library;
    test::FakeEventPump events;
    test::FakePlotFactory plots;
    TZenzu control;
};

class CanvasChart : public testing::TestWithParam<SampleChart> {};

TEST_P(CanvasChart, SetsTheDesktopSurfacesPixels) {
    test::PixelCanvas pixels;
    BothSurfaces<TextlessRasterSurface> surfaces(pixels);
    SampleHost host(GetParam(), surfaces);
    ASSERT_TRUE(host.control.NenZu());
    EXPECT_GT(pixels.texts, 20);
    EXPECT_EQ(differences(surfaces.qt.image(), pixels), "");
    host.redrawNarrower(GetParam());
    EXPECT_EQ(differences(surfaces.qt.image(), pixels), "");
}

// The largest difference of a colour channel between the desktop's picture and the
// one in memory, texts included, and how many pixels differ at all.
struct TextDifference {
    int largest = 0;
    long pixels = 0;
};

TextDifference compared(const QImage& qt, raster::PictureView picture) {
    TextDifference d;
    for (int y = 0; y < qt.height(); ++y)
        for (int x = 0; x < qt.width(); ++x) {
            const std::uint32_t a = qt.pixel(x, y), b = picture.row(y)[x];
            if ((a & 0xFFFFFF) == (b & 0xFFFFFF)) continue;
            ++d.pixels;
            for (int shift = 0; shift <= 16; shift += 8)
                d.largest = std::max(
                    d.largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
        }
    return d;
}

// The command line draws without a toolkit; its texts must look as the desktop's:
// the same glyphs in the same places, a level of rounding apart at their edges.
TEST_P(CanvasChart, InMemoryLooksLikeTheDesktopsPictureTextsIncluded) {
    raster::PictureCanvas picture(pagewriter::existingFile(pagewriter::defaultTypefaces().front()));
    BothSurfaces<RasterSurface> surfaces(picture);
    SampleHost host(GetParam(), surfaces);
    ASSERT_TRUE(host.control.NenZu());
    for (int round = 0; round < 2; ++round) {
        const QImage& qt = surfaces.qt.image();
        ASSERT_EQ(qt.size(), QSize(picture.picture().width, picture.picture().height));
        const TextDifference d = compared(qt, picture.picture());
        EXPECT_LE(d.largest, 2) << d.pixels << " pixels differ, round " << round;
        EXPECT_LE(d.pixels, qt.width() * qt.height() / 1000) << "round " << round;
        host.redrawNarrower(GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, CanvasChart,
    testing::Values(SampleChart{"HourlyCsv", "nukada_303011283322030_2025.csv", 1024, 768, "", std::nullopt},
                    SampleChart{"HourlyCsvMidRange", "nukada_303011283322030_2025.csv", 800, 600, "4", std::nullopt},
                    SampleChart{"DailyDischarge", "moshiri_301011281104010/daily", 1365, 717, "",
                                SeriesKind::Discharge},
                    SampleChart{"HourlyDownloads", "moshiri_301011281104010/hourly", 517, 391, "", SeriesKind::Level}),
    [](const testing::TestParamInfo<SampleChart>& info) { return info.param.name; });

// Random calls of every kind on a small surface, lines with ends on and off it,
// boxes within it as the chart draws them (the desktop's outline of a box cut by
// the surface's edge drops corner pixels that no chart shows). The pictures are
// compared after every call, so a difference names its call.
TEST(CanvasSurface, SetsTheDesktopSurfacesPixelsForAnyCall) {
    std::mt19937 random(42);
    std::uniform_real_distribution<float> coordinate(-30, 130), inside(0, 96);
    std::uniform_int_distribution<int> kind(0, 9), colour(0, 15);
    int compared = 0;
    for (int round = 0; round < 100; ++round) {
        test::PixelCanvas pixels;
        BothSurfaces<TextlessRasterSurface> s(pixels);
        s.setWidth(97 * 15);
        s.setHeight(83 * 15);
        s.clear();
        for (int call = 0; call < 40; ++call) {
            const int k = kind(random);
            auto& range = k >= 6 ? inside : coordinate;
            const float a = range(random), b = range(random), c = range(random), d = range(random);
            s.setLineWidth(k == 9 || k == 4 ? 2 : 1);
            s.setLineStyle(k % 2 ? LineStyle::Dotted : LineStyle::Solid);
            const char* what = "line";
            if (k < 4) {
                s.line(a, b, c, d, colour(random));
            } else if (k < 6) {
                what = "straight line";
                s.line(a, b, k == 4 ? a : c, k == 4 ? d : b, colour(random));
            } else if (k == 6 || k == 9) {
                what = "box";
                s.box(a, b, c, d, colour(random));
            } else {
                what = "filled box";
                s.fillBox(a, b, c, d, colour(random));
            }
            ASSERT_EQ(differences(s.qt.image(), pixels), "")
                << what << " (" << a << ", " << b << ") (" << c << ", " << d << ") kind " << k;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 4000);
}

}  // namespace
}  // namespace tellvane
