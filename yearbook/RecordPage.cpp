#include "yearbook/RecordPage.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "chartinput/DataKind.h"
#include "common/Text.h"
#include "yearbook/TablePageParts.h"

namespace tellvane {
namespace {

constexpr double kLeft = 40, kTop = 245, kHeadRow = 9, kLowest = 22;
constexpr double kYearColumn = 22, kValue = 28, kDate = 16, kDays = 16;

struct Column {
    double left, width;
};

// The columns from the left: year, then per value its cell (dates after the
// maximum and the minimum), the runoff for discharge, the days with data.
struct Layout {
    std::vector<Column> values;  // by StatSlot, index 0 the maximum
    Column maxDate{}, minDate{}, runoff{}, days{};
    double right = kLeft;

    explicit Layout(bool discharge) {
        double x = kLeft + kYearColumn;
        const auto take = [&](double w) { return Column{std::exchange(x, x + w), w}; };
        for (int k = 1; k <= 7; ++k) {
            values.push_back(take(kValue));
            if (k == kStatMax) maxDate = take(kDate);
            if (k == kStatMin) minDate = take(kDate);
        }
        if (discharge) runoff = take(kValue);
        days = take(kDays);
        right = x;
    }
};

std::u16string yearsText(const StationRecord& r) {
    if (r.years.empty()) return u"";
    if (r.years.front().year == r.years.back().year) return u"（西暦 " + plainInteger(r.years.front().year) + u" 年）";
    return u"（西暦 " + plainInteger(r.years.front().year) + u"〜" + plainInteger(r.years.back().year) + u" 年）";
}

std::u16string yearOf(int year) { return year > 0 ? plainInteger(year) : std::u16string(); }

struct Row {
    std::u16string label;
    std::vector<std::u16string> values;  // seven, by slot
    std::u16string maxDate, minDate, runoff, days;
};

std::vector<Row> yearRows(const StationRecord& r) {
    std::vector<Row> rows;
    for (const YearRecord& y : r.years) {
        Row row{plainInteger(y.year), {}, monthDay(y.maxDate), monthDay(y.minDate), cellValue(y.runoff),
                plainInteger(y.daysWithData)};
        for (int k = 1; k <= 7; ++k) row.values.push_back(cellValue(y.stat(static_cast<StatSlot>(k))));
        rows.push_back(std::move(row));
    }
    return rows;
}

// The period's rows: mean, maximum and its year, minimum and its year; for
// discharge the drought flow of about once in ten years in the drought column.
std::vector<Row> periodRows(const StationRecord& r) {
    const RecordPeriod& p = r.period;
    std::vector<Row> rows(5);
    rows[0].label = u"平均";
    rows[1].label = u"最大";
    rows[2].label = u"最大の年";
    rows[3].label = u"最小";
    rows[4].label = u"最小の年";
    for (const PeriodColumn& c : p.columns) {
        rows[0].values.push_back(cellValue(c.mean));
        rows[1].values.push_back(cellValue(c.max));
        rows[2].values.push_back(yearOf(c.maxYear));
        rows[3].values.push_back(cellValue(c.min));
        rows[4].values.push_back(yearOf(c.minYear));
    }
    if (p.drought10) {
        Row ten{u"10年渇水", std::vector<std::u16string>(7), {}, {}, {}, {}};
        ten.values[kStatDrought - 1] = cellValue(p.drought10);
        rows.push_back(std::move(ten));
    }
    return rows;
}

void drawRow(PlotDocument& doc, const Layout& l, const Row& row, double floor, double size, Int16 pen) {
    centreText(doc, kLeft + kYearColumn / 2, floor, row.label, size, pen);
    for (std::size_t k = 0; k < row.values.size(); ++k)
        rightText(doc, l.values[k].left + l.values[k].width - 2, floor, row.values[k], size, pen);
    centreText(doc, l.maxDate.left + kDate / 2, floor, row.maxDate, size, pen);
    centreText(doc, l.minDate.left + kDate / 2, floor, row.minDate, size, pen);
    if (l.runoff.width > 0) rightText(doc, l.runoff.left + l.runoff.width - 2, floor, row.runoff, size, pen);
    rightText(doc, l.days.left + kDays - 2, floor, row.days, size, pen);
}

void drawHeadings(PlotDocument& doc, const Layout& l, const std::u16string& mode, Int16 pen) {
    const double y = kTop - kHeadRow + 3;
    centreText(doc, kLeft + kYearColumn / 2, y, u"年", 3.2, pen);
    for (int k = 1; k <= 7; ++k)
        centreText(doc, l.values[static_cast<std::size_t>(k - 1)].left + kValue / 2, y, statisticsLabel(mode, k), 3,
                   pen);
    centreText(doc, l.maxDate.left + kDate / 2, y, u"月/日", 3, pen);
    centreText(doc, l.minDate.left + kDate / 2, y, u"月/日", 3, pen);
    if (l.runoff.width > 0) centreText(doc, l.runoff.left + kValue / 2, y, u"総流出量", 3, pen);
    centreText(doc, l.days.left + kDays / 2, y, u"日数", 3, pen);
}

void drawColumnRules(PlotDocument& doc, const Layout& l, double bottom, const GridPens& pens) {
    std::vector<double> xs{kLeft + kYearColumn, l.maxDate.left, l.minDate.left, l.days.left};
    for (const Column& c : l.values) xs.push_back(c.left);
    if (l.runoff.width > 0) xs.push_back(l.runoff.left);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    for (const double x : xs) ruleLine(doc, x, bottom, x, kTop, pens.Hougan2Pen);
}

}  // namespace

std::u16string recordMode(const StationRecord& record) {
    return record.kind == SeriesKind::Discharge ? u"7" : u"1";
}

void drawRecordPage(PlotDocument& doc, const StationRecord& record, SettingsStore& settings) {
    const std::u16string mode = recordMode(record);
    const PageHeader header{record.station, record.names.Kansokujo, record.names.Suikei, record.names.Kasen,
                            yearsText(record)};
    const GridPens pens = drawTablePageFrame(doc, header, u"流　　況　　表", settings);
    const Layout layout(isDischarge(mode));
    const std::vector<Row> years = yearRows(record), period = periodRows(record);
    const auto rows = static_cast<double>(years.size() + period.size());
    // Rows as tall as the page lets them be, at most 6 units; the texts follow.
    const double pitch = std::min(6.0, (kTop - kHeadRow - kLowest) / rows);
    const double size = std::min(3.2, pitch * 0.62);
    const double daysTop = kTop - kHeadRow, yearsBottom = daysTop - years.size() * pitch;
    const double bottom = yearsBottom - period.size() * pitch;

    pageText(doc, kLeft, kTop + 1.5, u"単位：" + valueUnit(mode) + (isDischarge(mode) ? u"，総流出量 百万m³" : u""), 3.2,
             pens.MojietcPen, 1, kAnchorLeftBottom);
    drawBox(doc, kLeft, bottom, layout.right, kTop, pens.Hougan1Pen);
    ruleLine(doc, kLeft, daysTop, layout.right, daysTop, pens.Hougan1Pen);
    ruleLine(doc, kLeft, yearsBottom, layout.right, yearsBottom, pens.Hougan1Pen);
    drawColumnRules(doc, layout, bottom, pens);
    drawHeadings(doc, layout, mode, pens.MojietcPen);
    const double lift = (pitch - size) / 2;
    for (std::size_t i = 0; i < years.size(); ++i)
        drawRow(doc, layout, years[i], daysTop - (i + 1) * pitch + lift, size, pens.MojietcPen);
    for (std::size_t i = 0; i < period.size(); ++i)
        drawRow(doc, layout, period[i], yearsBottom - (i + 1) * pitch + lift, size, pens.MojietcPen);

    const RecordPeriod& p = record.period;
    std::u16string note = u"期間の値：" + plainInteger(static_cast<long long>(p.years.size())) + u" 年（欠測 " +
                          plainInteger(p.allowedMissingDays) + u" 日以下の年）";
    if (!p.leftOut.empty()) {
        note += u"，除いた年：";
        for (std::size_t i = 0; i < p.leftOut.size(); ++i) note += (i ? u"，" : u"") + plainInteger(p.leftOut[i]);
    }
    pageText(doc, kLeft, bottom - 6, note, 3.2, pens.MojietcPen, 1, kAnchorLeftBottom);
}

}  // namespace tellvane
