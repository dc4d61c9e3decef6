// The viewer driven as a user would, offscreen: open the sample, draw, resize,
// edit the limits, write the page; the window's grab must show the chart.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <filesystem>

#include "apps/viewer/Attempt.h"
#include "apps/viewer/ViewerWindow.h"
#include "platform/Palette.h"
#include "plot/PlotOutput.h"
#include "tests/qt/Pixels.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FileSizeLimit.h"

namespace tellvane::viewer {
namespace {

using test::countRgb;
using test::isPalette;
using test::rgbAt;

const std::filesystem::path kSamples = TELLVANE_SAMPLES_DIR;
const std::filesystem::path kNukada = kSamples / "nukada_303011283322030_2025.csv";
constexpr std::uint32_t kWhite = 0xFFFFFF;

class Viewer : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.resize(1000, 700);
    }

    TZenzuWidget::Parts parts() {
        TZenzuWidget::Parts p;
        p.messageBox = &box;
        p.settings = &settings;  // the pens' defaults, whatever the user's files say
        return p;
    }
    template <typename W>
    W& child(const char* name) {
        W* w = window.findChild<W*>(QLatin1String(name));
        if (!w) ADD_FAILURE() << "no child " << name;
        return *w;
    }
    // Where the chart lies in the window, and the window as the screen would show it.
    QRect chartArea() { return QRect(window.chart().mapTo(&window, QPoint(0, 0)), window.chart().size()); }
    QImage grabbed() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    std::u16string promptsShown() const {
        std::u16string all;
        for (const auto& s : box.shown) all += s.prompt + u"\n";
        return all;
    }

    test::FakeMessageBox box;
    test::FakeSettings settings;
    ViewerWindow window{parts()};
};

// The chart's marks in the window's grab: white background, the grey frame, the
// light-red day bars and the light-magenta title, at the places the chart's
// geometry gives for the chart's size.
void expectChartIn(const QImage& image, const QRect& chart) {
    const int left = chart.left() + 30, right = left + chart.width() - 40;
    const int bottom = chart.top() + chart.height() - 20, top = chart.top() + 60;
    EXPECT_EQ(rgbAt(image, chart.right() - 2, chart.top() + 2), kWhite);
    EXPECT_EQ(rgbAt(image, chart.right() - 2, chart.bottom() - 2), kWhite);
    const QPoint corners[] = {{right, bottom}, {right, top}, {left + 40, bottom}, {left + 40, top}};
    for (const QPoint p : corners) EXPECT_TRUE(isPalette(image, p.x(), p.y(), kGrey)) << p.x() << "," << p.y();
    EXPECT_EQ(rgbAt(image, right + 3, (top + bottom) / 2), kWhite);
    const QRect plot(left, top, right - left, bottom - top);
    EXPECT_GT(countRgb(image, plot, paletteRgb(kLightRed)), 365);  // every day of the year has a bar
    const QRect title(left + (right - left) / 2 - 90, chart.top() + 10, 200, 24);
    EXPECT_GT(countRgb(image, title, paletteRgb(kLightMagenta)), 100);
}

TEST_F(Viewer, OffersTheSamplesStationYearAndBothKinds) {
    ASSERT_TRUE(window.openData({kNukada}));
    auto& station = child<QComboBox>("station");
    ASSERT_EQ(station.count(), 1);
    EXPECT_EQ(station.currentData().toString(), QStringLiteral("303011283322030"));
    EXPECT_EQ(child<QComboBox>("year").currentText(), QStringLiteral("2025"));
    EXPECT_EQ(child<QComboBox>("kind").count(), 2);
    const auto choice = window.panel().choice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->station, u"303011283322030");
    EXPECT_EQ(choice->year, 2025);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(Viewer, TheGrabShowsTheDrawnChart) {
    ASSERT_TRUE(window.openData({kNukada}));
    const QImage before = grabbed();
    child<QPushButton>("draw").click();
    EXPECT_TRUE(box.shown.empty()) << QString::fromStdU16String(promptsShown()).toStdString();
    EXPECT_EQ(window.chart().control().KansokujoNO(), u"303011283322030");
    EXPECT_EQ(window.chart().control().Seireki(), 2025);
    EXPECT_EQ(window.chart().control().Mode(), u"1");
    const QImage image = grabbed();
    const QRect chart = chartArea();
    ASSERT_GT(chart.width(), 600);
    ASSERT_GT(chart.height(), 500);
    expectChartIn(image, chart);
    // The window shows exactly the picture; nothing of it outside the chart.
    EXPECT_EQ(image.copy(chart), window.chart().picture().image());
    EXPECT_EQ(countRgb(image, QRect(0, 0, chart.left(), image.height()), paletteRgb(kLightRed)), 0);
    EXPECT_EQ(countRgb(before, chart, paletteRgb(kLightRed)), 0);  // nothing was drawn before
}

TEST_F(Viewer, ChoosingDischargeDrawsWithItsMode) {
    ASSERT_TRUE(window.openData({kNukada}));
    auto& kind = child<QComboBox>("kind");
    kind.setCurrentIndex(kind.findData(static_cast<int>(ChartKind::Discharge)));
    ASSERT_TRUE(window.draw());
    EXPECT_EQ(window.chart().control().Mode(), u"7");
}

TEST_F(Viewer, AResizeRedrawsTheChartAtTheNewSize) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    const QSize small = window.chart().size();
    window.resize(1300, 900);
    const QRect chart = chartArea();
    ASSERT_GT(chart.width(), small.width());
    ASSERT_GT(chart.height(), small.height());
    EXPECT_EQ(window.chart().picture().image().size(), chart.size());
    expectChartIn(grabbed(), chart);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(Viewer, EditedLimitsReachTheControlAndChangeThePicture) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    auto& max = child<QLineEdit>("txtMax");
    auto& min = child<QLineEdit>("txtMin");
    // The panel shows the limits NenZu chose.
    EXPECT_EQ(max.text(), QString::fromStdU16String(window.chart().control().txtMax()));
    EXPECT_EQ(min.text(), QString::fromStdU16String(window.chart().control().txtMin()));
    ASSERT_FALSE(max.text().isEmpty());
    const QImage before = grabbed();
    const QString oldMax = max.text();
    max.setText(QStringLiteral("3"));
    min.setText(QStringLiteral("-5"));
    ASSERT_NE(oldMax, max.text());
    child<QPushButton>("redraw").click();
    EXPECT_TRUE(box.shown.empty()) << QString::fromStdU16String(promptsShown()).toStdString();
    EXPECT_EQ(window.chart().control().txtMax(), u"3");
    EXPECT_EQ(window.chart().control().txtMin(), u"-5");
    const QImage after = grabbed();
    EXPECT_NE(after.copy(chartArea()), before.copy(chartArea()));
    EXPECT_EQ(after.copy(chartArea()), window.chart().picture().image());
    // The redrawn limits hold through a resize.
    window.resize(1100, 760);
    EXPECT_EQ(window.chart().control().txtMax(), u"3");
    expectChartIn(grabbed(), chartArea());
}

TEST_F(Viewer, LimitsThatAreNoRangeAreSaidBesideTheFieldsAndTheChartStays) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    const std::u16string oldMax = window.chart().control().txtMax(), oldMin = window.chart().control().txtMin();
    const QImage before = window.chart().picture().image();
    struct Case {
        const char *max, *min, *problem;
    } const cases[] = {
        {"abc", "50", "upper limit is not a number"},
        {"10", "", "lower limit is not a number"},
        {"1", "1", "must be above"},
        {"-3", "2", "must be above"},
        {"inf", "0", "upper limit is not a number"},
        {"5", "nan", "lower limit is not a number"},
        {"0x10", "0", "upper limit is not a number"},
        {"3 4", "0", "upper limit is not a number"},
        {"1e300", "0", "upper limit is too large"},
        {"\xEF\xBC\x91", "0", "upper limit is not a number"},  // a full-width 1
    };
    for (const auto& c : cases) {
        child<QLineEdit>("txtMax").setText(QString::fromUtf8(c.max));
        child<QLineEdit>("txtMin").setText(QString::fromUtf8(c.min));
        EXPECT_FALSE(window.redraw()) << c.max << " " << c.min;
        EXPECT_TRUE(window.panel().limitProblem().contains(QLatin1String(c.problem))) << c.max << " " << c.min;
        EXPECT_EQ(window.chart().control().txtMax(), oldMax);
        EXPECT_EQ(window.chart().control().txtMin(), oldMin);
        EXPECT_EQ(window.chart().picture().image(), before) << c.max << " " << c.min;
        EXPECT_EQ(child<QLineEdit>("txtMax").text(), QString::fromUtf8(c.max));  // left for the user to mend
    }
    EXPECT_TRUE(box.shown.empty()) << QString::fromStdU16String(promptsShown()).toStdString();
    // Good limits draw and clear what was said.
    child<QLineEdit>("txtMax").setText(QStringLiteral(" 4.5 "));
    child<QLineEdit>("txtMin").setText(QStringLiteral("-1e1"));
    EXPECT_TRUE(window.redraw());
    EXPECT_TRUE(window.panel().limitProblem().isEmpty());
    EXPECT_NE(window.chart().picture().image(), before);
}

TEST_F(Viewer, LimitsTheControlRefusesAreReportedAndUndone) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    const std::u16string oldMax = window.chart().control().txtMax(), oldMin = window.chart().control().txtMin();
    // Distinct numbers, but a range of no height once the control holds them in single precision.
    child<QLineEdit>("txtMax").setText(QStringLiteral("1e-300"));
    child<QLineEdit>("txtMin").setText(QStringLiteral("0"));
    EXPECT_FALSE(window.redraw());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, kViewerTitle);
    EXPECT_EQ(box.shown[0].style, kCriticalOk);
    EXPECT_EQ(box.shown[0].prompt.find(u"Run-time error "), 0u)
        << QString::fromStdU16String(promptsShown()).toStdString();
    EXPECT_EQ(window.chart().control().txtMax(), oldMax);
    EXPECT_EQ(window.chart().control().txtMin(), oldMin);
    EXPECT_EQ(child<QLineEdit>("txtMax").text(), QString::fromStdU16String(oldMax));
    expectChartIn(grabbed(), chartArea());
    window.resize(1200, 800);  // later redraws do not fail again
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(Viewer, AKindChosenIsDrawnAtOnceAndItsPageIsWritten) {
    ASSERT_TRUE(window.openData({kNukada}));
    auto& kind = child<QComboBox>("kind");
    kind.setCurrentIndex(kind.findData(static_cast<int>(ChartKind::Discharge)));
    EXPECT_EQ(window.chart().control().Mode(), u"");  // nothing drawn yet: the button draws first
    ASSERT_TRUE(window.draw());
    EXPECT_EQ(window.chart().control().Mode(), u"7");
    const QImage discharge = window.chart().picture().image();
    kind.setCurrentIndex(kind.findData(static_cast<int>(ChartKind::Level)));
    EXPECT_EQ(window.chart().control().Mode(), u"1");
    EXPECT_NE(window.chart().picture().image(), discharge);
    EXPECT_EQ(grabbed().copy(chartArea()), window.chart().picture().image());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("level.pdf"));
    ASSERT_TRUE(window.savePage(path)) << QString::fromStdU16String(promptsShown()).toStdString();
    EXPECT_EQ(window.chart().control().Mode(), u"1");  // the page is the chart on screen
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(Viewer, SuggestedPageNamesCarryTheKindWhenTheDataHoldsBoth) {
    struct Case {
        std::filesystem::path data;
        ChartKind kind;
        const char* name;
    } const cases[] = {
        {kNukada, ChartKind::Level, "303011283322030_2025.pdf"},
        {kNukada, ChartKind::Discharge, "303011283322030_2025.pdf"},
        {kSamples / "moshiri_301011281104010/daily", ChartKind::Level, "301011281104010_2023_level.pdf"},
        {kSamples / "moshiri_301011281104010/daily", ChartKind::Discharge, "301011281104010_2023_discharge.pdf"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(window.openData({c.data}));
        EXPECT_TRUE(window.suggestedPageName().isEmpty());  // no chart on screen
        auto& kind = child<QComboBox>("kind");
        kind.setCurrentIndex(kind.findData(static_cast<int>(c.kind)));
        ASSERT_TRUE(window.draw()) << QString::fromStdU16String(promptsShown()).toStdString();
        EXPECT_EQ(window.suggestedPageName(), QLatin1String(c.name)) << c.data;
    }
}

TEST_F(Viewer, WritesThePlottedPageToTheChosenFile) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nukada.pdf"));
    {
        QFile old(path);  // an earlier page is replaced
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_TRUE(window.savePage(path)) << QString::fromStdU16String(promptsShown()).toStdString();
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QDir::toNativeSeparators(path)));
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.read(5).startsWith("%PDF-"));
    EXPECT_GT(page.size(), 1000);
    // The control writes to where it was loaded from again.
    EXPECT_EQ(window.chart().libraryLocation().directory(), LoadedLibraryLocation::loadedFrom());
}

TEST_F(Viewer, AFailedPageKeepsTheEarlierFileAndLeavesNothingElse) {
    ASSERT_TRUE(window.openData({kNukada}));
    ASSERT_TRUE(window.draw());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nukada.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    {
        const test::FileSizeLimit fullDisk(100);  // the page is larger
        EXPECT_FALSE(window.savePage(path));
    }
    ASSERT_EQ(box.shown.size(), 1u);
    // The user's file and the real cause, not the control's own file.
    const QString prompt = QString::fromStdU16String(box.shown[0].prompt);
    EXPECT_TRUE(prompt.contains(path)) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QLatin1String("full"))) << prompt.toStdString();
    EXPECT_FALSE(prompt.contains(QLatin1String(kPlotFileName))) << prompt.toStdString();
    EXPECT_FALSE(window.statusBar()->currentMessage().contains(path));
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"nukada.pdf"});
}

TEST_F(Viewer, NothingIsWrittenBeforeAChartIsDrawn) {
    ASSERT_TRUE(window.openData({kNukada}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    EXPECT_FALSE(window.savePage(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(Viewer, BadDataIsReportedWithItsFileAndLine) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bad.csv"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n"
        "1,2025-02-30,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n");
    file.close();
    EXPECT_FALSE(window.openData({name.toStdString()}));
    ASSERT_EQ(box.shown.size(), 1u);
    const std::u16string prompt = box.shown[0].prompt;
    EXPECT_NE(prompt.find(u"bad.csv:2"), std::u16string::npos) << QString::fromStdU16String(prompt).toStdString();
    EXPECT_EQ(child<QComboBox>("station").count(), 0);
    EXPECT_FALSE(window.draw());  // nothing to draw: said in a box
    EXPECT_EQ(box.shown.size(), 2u);
}

TEST_F(Viewer, BadDataLeavesTheDataOpenedBefore) {
    ASSERT_TRUE(window.openData({kNukada}));
    EXPECT_FALSE(window.openData({kSamples / "no such file.csv"}));
    EXPECT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(child<QComboBox>("station").count(), 1);
    EXPECT_TRUE(window.draw());
}

TEST_F(Viewer, ABadCatalogueIsReported) {
    EXPECT_FALSE(window.openCatalogue(kNukada));  // data, not a catalogue
    EXPECT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(window.openCatalogue(kSamples / "stations.csv"));
    ASSERT_TRUE(window.openData({kSamples / "moshiri_301011281104010/daily"}));
    EXPECT_EQ(child<QComboBox>("station").currentText(), QStringLiteral("301011281104010 茂志利"));
}

}  // namespace
}  // namespace tellvane::viewer
