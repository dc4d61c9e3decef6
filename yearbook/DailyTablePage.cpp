#include "yearbook/DailyTablePage.h"

#include <algorithm>

#include "chartinput/DataKind.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "yearbook/TablePageParts.h"

namespace tellvane {
namespace {

// Page units (millimetres), y upward, within the plotted page's frame.
constexpr double kLeft = 40, kDayColumn = 14, kMonth = 24;
constexpr double kMonthsLeft = kLeft + kDayColumn, kMonthsRight = kMonthsLeft + 12 * kMonth;
constexpr double kTop = 245, kHeadRow = 7, kDayRow = 5.6, kSummaryRow = 6;
constexpr double kDaysTop = kTop - kHeadRow, kDaysBottom = kDaysTop - 31 * kDayRow;
constexpr double kBottom = kDaysBottom - 4 * kSummaryRow;
constexpr double kYearLeft = 347, kYearRight = 400, kYearRow = 10;
constexpr double kText = 3.2;

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

double monthLeft(int m) { return kMonthsLeft + (m - 1) * kMonth; }
double dayFloor(int d) { return kDaysTop - d * kDayRow; }

struct MonthSummary {
    std::optional<double> mean, max, min;
    int days = 0;
};

MonthSummary summariseMonth(const YearRecord& record, int month) {
    MonthSummary s;
    double sum = 0;
    for (int d = 1; d <= 31; ++d) {
        const auto& v = record.daily[static_cast<std::size_t>(calendarSlot(month, d))];
        if (d > daysInMonth(record.year, month) || !v) continue;
        sum += *v;
        ++s.days;
        s.max = s.max ? std::max(*s.max, *v) : *v;
        s.min = s.min ? std::min(*s.min, *v) : *v;
    }
    if (s.days > 0) s.mean = sum / s.days;
    return s;
}

void drawRules(PlotDocument& doc, const GridPens& pens) {
    drawBox(doc, kLeft, kBottom, kMonthsRight, kTop, pens.Hougan1Pen);
    ruleLine(doc, kLeft, kDaysTop, kMonthsRight, kDaysTop, pens.Hougan1Pen);
    ruleLine(doc, kLeft, kDaysBottom, kMonthsRight, kDaysBottom, pens.Hougan1Pen);
    ruleLine(doc, kMonthsLeft, kBottom, kMonthsLeft, kTop, pens.Hougan1Pen);
    for (int m = 2; m <= 12; ++m) ruleLine(doc, monthLeft(m), kBottom, monthLeft(m), kTop, pens.Hougan2Pen);
    // Every fifth day, as the printed tables guide the eye along a row.
    for (int d = 5; d < 31; d += 5) ruleLine(doc, kLeft, dayFloor(d), kMonthsRight, dayFloor(d), pens.Hougan2Pen);
    for (int r = 1; r < 4; ++r) {
        const double y = kDaysBottom - r * kSummaryRow;
        ruleLine(doc, kLeft, y, kMonthsRight, y, pens.Hougan2Pen);
    }
}

void drawDays(PlotDocument& doc, const DailyTableYear& year, const GridPens& pens) {
    const Int16 pen = pens.MojietcPen;
    centreText(doc, kLeft + kDayColumn / 2, kDaysTop + 2, u"日＼月", kText, pen);
    for (int m = 1; m <= 12; ++m)
        centreText(doc, monthLeft(m) + kMonth / 2, kDaysTop + 2, plainInteger(m) + u"月", kText, pen);
    for (int d = 1; d <= 31; ++d) {
        const double floor = dayFloor(d) + 1.3;
        centreText(doc, kLeft + kDayColumn / 2, floor, plainInteger(d), kText, pen);
        for (int m = 1; m <= 12; ++m) {
            if (d > daysInMonth(year.record.year, m)) {
                // A day the month does not have: the cell struck out, as printed tables do.
                ruleLine(doc, monthLeft(m), dayFloor(d), monthLeft(m) + kMonth, dayFloor(d) + kDayRow,
                         pens.Hougan2Pen);
                continue;
            }
            rightText(doc, monthLeft(m) + kMonth - 2, floor, year.store.DayTable(m, d), kText, pen);
        }
    }
}

void drawMonthSummaries(PlotDocument& doc, const DailyTableYear& year, const GridPens& pens) {
    static const char16_t* const kLabels[] = {u"平均", u"最大", u"最小", u"日数"};
    const Int16 pen = pens.MojietcPen;
    for (int r = 0; r < 4; ++r)
        centreText(doc, kLeft + kDayColumn / 2, kDaysBottom - (r + 1) * kSummaryRow + 1.5, kLabels[r], kText, pen);
    for (int m = 1; m <= 12; ++m) {
        const MonthSummary s = summariseMonth(year.record, m);
        const double x = monthLeft(m) + kMonth - 2;
        const std::u16string texts[] = {cellValue(s.mean), cellValue(s.max), cellValue(s.min), plainInteger(s.days)};
        for (int r = 0; r < 4; ++r) rightText(doc, x, kDaysBottom - (r + 1) * kSummaryRow + 1.5, texts[r], kText, pen);
    }
}

// The year's values beside the months: a heading, the seven values (the maximum's
// and minimum's dates under them), the runoff for discharge, the days with data.
void drawYearValues(PlotDocument& doc, const DailyTableYear& year, const GridPens& pens) {
    const Int16 pen = pens.MojietcPen;
    const YearRecord& r = year.record;
    const bool discharge = isDischarge(year.mode);
    const int rows = 7 + (discharge ? 1 : 0) + 1;
    const double bottom = kDaysTop - rows * kYearRow;
    drawBox(doc, kYearLeft, bottom, kYearRight, kTop, pens.Hougan1Pen);
    ruleLine(doc, kYearLeft, kDaysTop, kYearRight, kDaysTop, pens.Hougan1Pen);
    centreText(doc, (kYearLeft + kYearRight) / 2, kDaysTop + 2, u"年　統　計", kText, pen);
    const auto row = [&](int i, const std::u16string& label, const std::u16string& value, const std::u16string& note) {
        const double floor = kDaysTop - (i + 1) * kYearRow;
        if (i > 0) ruleLine(doc, kYearLeft, floor + kYearRow, kYearRight, floor + kYearRow, pens.Hougan2Pen);
        pageText(doc, kYearLeft + 2, floor + 5.5, label, kText, pen, 1, kAnchorLeftBottom);
        rightText(doc, kYearRight - 2, floor + 5.5, value, 3.5, pen);
        rightText(doc, kYearRight - 2, floor + 1.5, note, kText, pen);
    };
    for (int k = 1; k <= 7; ++k) {
        const auto slot = static_cast<StatSlot>(k);
        std::u16string note;
        if (slot == kStatMax) note = u"（" + monthDay(r.maxDate) + u"）";
        if (slot == kStatMin) note = u"（" + monthDay(r.minDate) + u"）";
        if (note == u"（）") note.clear();
        row(k - 1, statisticsLabel(year.mode, k), cellValue(r.stat(slot)), note);
    }
    int next = 7;
    if (discharge) row(next++, u"総流出量", cellValue(r.runoff), u"（百万m³）");
    row(next, u"資料日数", plainInteger(r.daysWithData), u"");
}

}  // namespace

std::u16string dailyTableTitle(const std::u16string& mode) {
    return isDischarge(mode) ? u"日　流　量　表" : u"日　水　位　表";
}

void drawDailyTablePage(PlotDocument& doc, const DailyTableYear& year, SettingsStore& settings) {
    const GridPens pens = drawTablePageFrame(doc, year.header, dailyTableTitle(year.mode), settings);
    pageText(doc, kLeft, kTop + 1.5, u"単位：" + valueUnit(year.mode), kText, pens.MojietcPen, 1, kAnchorLeftBottom);
    drawRules(doc, pens);
    drawDays(doc, year, pens);
    drawMonthSummaries(doc, year, pens);
    drawYearValues(doc, year, pens);
}

}  // namespace tellvane
