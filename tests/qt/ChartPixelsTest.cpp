// The whole control drawn by its widget: pixels that the chart's geometry fixes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "common/Text.h"
#include "platform/Palette.h"
#include "qt/TZenzuWidget.h"
#include "tests/qt/Pixels.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

using test::countRgb;
using test::isPalette;
using test::rgbAt;

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The geometry a surface of that size gives: base line, plot width and height,
// pixels per quarter of the value axis and per month.
struct Size {
    int width, height;
    int Yb, Wp, Hp, Pq, Pm;
};
void PrintTo(const Size& s, std::ostream* os) { *os << s.width << "x" << s.height; }
const Size kSizes[] = {{400, 300, 280, 360, 220, 55, 30}, {1024, 768, 748, 984, 688, 172, 82}};

// 2 on 1 to 5 January, 50 on 10 to 20 July, 10 on every other day.
test::YearHost plateauYear() {
    return test::YearHost::daily(2001, [](int m, int d) -> std::u16string {
        if (m == 1 && d <= 5) return u"2";
        return m == 7 && d >= 10 && d <= 20 ? u"50" : u"10";
    });
}

class ChartPixels : public testing::TestWithParam<Size> {
protected:
    void SetUp() override {
        const Size& s = GetParam();
        widget.setEvents(&host);
        widget.show();
        widget.resize(s.width, s.height);
        ASSERT_EQ(widget.picture().image().size(), QSize(s.width, s.height));
        widget.control().setKansokujoNO(u"301011281104020");
        widget.control().setSeireki(2001);
        ASSERT_TRUE(widget.control().NenZu());
        vmin = leadingNumber(widget.control().txtMin());
        vmax = leadingNumber(widget.control().txtMax());
        ASSERT_LT(vmin, 10);
        ASSERT_GT(vmax, 50);
    }

    const QImage& image() { return widget.picture().image(); }
    // The row of a value, and the column where day d of month m begins.
    double y(double v) const { return GetParam().Yb - (v - vmin) * GetParam().Pq / ((vmax - vmin) / 4); }
    double x(int m, int d) const { return 30 + (m - 1) * GetParam().Pm + (d - 1) * GetParam().Pm / 31.0; }
    // Rows of the horizontal and columns of the vertical grid lines.
    std::set<int> gridRows() const {
        std::set<int> rows;
        for (int k = 1; k < 20; ++k)
            rows.insert(static_cast<int>(std::floor(GetParam().Yb - GetParam().Pq * k / 5.0 + 0.5)));
        return rows;
    }
    std::set<int> gridColumns() const {
        std::set<int> columns;
        for (int j = 1; j < 36; ++j) columns.insert(static_cast<int>(std::floor(30 + GetParam().Pm * j / 3.0 + 0.5)));
        return columns;
    }
    static int px(double v) { return static_cast<int>(std::floor(v + 0.5)); }

    test::YearHost host = plateauYear();
    TZenzuWidget widget;
    double vmin = 0, vmax = 0;
};

TEST_P(ChartPixels, BackgroundIsWhite) {
    const Size& s = GetParam();
    for (const QPoint p : {QPoint(0, 0), QPoint(s.width - 1, 0), QPoint(1, s.height - 1),
                           QPoint(s.width - 1, s.height - 1), QPoint(s.width - 5, s.height / 2)})
        EXPECT_EQ(rgbAt(image(), p.x(), p.y()), kWhite) << p.x() << "," << p.y();
}

TEST_P(ChartPixels, FrameIsGreyAtItsCorners) {
    // The value labels are printed over the frame's left end, so the left corners
    // are checked a little way along their edges.
    const Size& s = GetParam();
    const int left = 30, right = 30 + s.Wp, bottom = s.Yb, top = s.Yb - s.Hp;
    EXPECT_EQ(top, 60);
    for (const QPoint p : {QPoint(right, bottom), QPoint(right, top), QPoint(right - 1, bottom - 1),
                           QPoint(right - 1, top - 1), QPoint(left, bottom - s.Pq / 2), QPoint(left, top + s.Pq / 2),
                           QPoint(left + 40, bottom), QPoint(left + 40, top)})
        EXPECT_TRUE(isPalette(image(), p.x(), p.y(), kGrey)) << p.x() << "," << p.y();
    // Just beyond the two-pixel edge there is background again.
    EXPECT_EQ(rgbAt(image(), right + 2, bottom - s.Pq / 2), kWhite);
    EXPECT_EQ(rgbAt(image(), left + 40, bottom + 2), kWhite);
}

TEST_P(ChartPixels, ADaysBarIsLightRedBelowItsValue) {
    const Size& s = GetParam();
    const int column = px(x(7, 15) + 1);  // the bar starts one pixel into its day
    ASSERT_EQ(gridColumns().count(column), 0u);
    std::set<int> rows = gridRows();
    rows.insert(px(y(10)));  // the staircase's long tread crosses the bar
    int checked = 0;
    for (int row = px(y(50)) + 1; row <= s.Yb - 3; ++row) {
        if (rows.count(row)) continue;
        EXPECT_TRUE(isPalette(image(), column, row, kLightRed)) << "row " << row;
        ++checked;
    }
    EXPECT_GT(checked, s.Hp / 2);
    // A day of 10 beside the plateau has no bar that high.
    EXPECT_EQ(rgbAt(image(), px(x(7, 25) + 1), px(y(30))), kWhite);
}

TEST_P(ChartPixels, TheStaircasesLongTreadIsGreen) {
    // 11 days reached 50 and 360 days 10: the second tread runs from day 11 to 360.
    const Size& s = GetParam();
    const int row = px(y(10));
    ASSERT_EQ(gridRows().count(row), 0u);
    const int from = px(30 + 11 * s.Pm / 31.0) + 2, to = px(30 + 360 * s.Pm / 31.0) - 2;
    const std::set<int> columns = gridColumns();
    int green = 0, others = 0;
    for (int column = from; column <= to; ++column) {
        if (columns.count(column)) continue;
        (isPalette(image(), column, row, kGreen) ? green : others) += 1;
    }
    EXPECT_GT(green, 0);
    EXPECT_EQ(others, 0);
}

TEST_P(ChartPixels, TheTitleIsLightMagenta) {
    const Size& s = GetParam();
    const int left = s.Wp / 2 + 30 - 90;
    const QRect title(left, 10, 200, 24);
    EXPECT_GT(countRgb(image(), title, paletteRgb(kLightMagenta)), 100);
    EXPECT_EQ(countRgb(image(), QRect(left, 0, 200, 10), paletteRgb(kLightMagenta)), 0);  // nothing above it
}

TEST_P(ChartPixels, AnInnerGridLineIsDotted) {
    // Line k = 7, in the middle third of March, where only the grid is drawn.
    const Size& s = GetParam();
    const int row = px(s.Yb - s.Pq * 7 / 5.0);
    ASSERT_GT(row, px(y(50)) + 2);
    ASSERT_LT(row, px(y(10)) - 2);
    const int from = px(30 + s.Pm * 7 / 3.0) + 1, to = px(30 + s.Pm * 8 / 3.0) - 1;
    ASSERT_GE(to - from, 6);
    for (int column = from; column < to; ++column)
        EXPECT_NE(isPalette(image(), column, row, kGrey), isPalette(image(), column + 1, row, kGrey)) << column;
    const QRect stretch(from, row, to - from + 1, 1);
    EXPECT_EQ(countRgb(image(), stretch, paletteRgb(kGrey)) + countRgb(image(), stretch, kWhite), stretch.width());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChartPixels, testing::ValuesIn(kSizes), [](const auto& info) {
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
});

}  // namespace
}  // namespace tellvane
