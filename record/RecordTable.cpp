#include "record/RecordTable.h"

#include <array>

#include "common/Text.h"

namespace tellvane {
namespace {

using Kind = RecordCell::Kind;

constexpr std::array<StatSlot, 7> kColumns = {kStatMax,     kStatHigh, kStatNormal, kStatLow,
                                              kStatDrought, kStatMin,  kStatMean};

RecordCell value(const std::optional<double>& v) { return v ? RecordCell{Kind::Value, *v} : RecordCell{}; }
RecordCell count(long long n) { return {Kind::Count, static_cast<double>(n)}; }
RecordCell text(std::string t) { return {Kind::Text, 0.0, {}, std::move(t)}; }
RecordCell date(const std::optional<CivilDate>& d) { return d ? RecordCell{Kind::Date, 0.0, *d} : RecordCell{}; }

// Where each part of the year sits in a row.
struct Layout {
    bool runoff;
    std::size_t size() const { return runoff ? 15 : 14; }
    // The column of a characteristic value: the dates follow the maximum and minimum.
    static std::size_t of(StatSlot slot) {
        constexpr std::array<std::size_t, 8> at = {0, 1, 3, 4, 5, 6, 7, 9};
        return at[static_cast<std::size_t>(slot)];
    }
    std::size_t remark() const { return size() - 1; }
};

std::vector<std::string> headers(const Layout& l) {
    std::vector<std::string> h = {"年",   "最大", "最大月日", "豊水",     "平水",     "低水",      "渇水",
                                  "最小", "最小月日", "平均", "資料日数", "欠測日数", "観測時間数"};
    if (l.runoff) h.push_back("総流出量(10⁶m³)");
    h.push_back("備考");
    return h;
}

RecordRow yearRow(const YearRecord& y, const RecordPeriod& period, const Layout& l) {
    RecordRow row{RecordRow::Part::Year, std::vector<RecordCell>(l.size())};
    row.cells[0] = count(y.year);
    for (const StatSlot slot : kColumns) row.cells[Layout::of(slot)] = value(y.stat(slot));
    row.cells[2] = date(y.maxDate);
    row.cells[8] = date(y.minDate);
    row.cells[10] = count(y.daysWithData);
    row.cells[11] = count(y.missingDays);
    row.cells[12] = count(y.hoursWithReadings);
    if (l.runoff) row.cells[13] = value(y.runoff);
    const bool counted = std::find(period.years.begin(), period.years.end(), y.year) != period.years.end();
    if (y.daysWithData == 0)
        row.cells[l.remark()] = text("資料なし・期間外");
    else if (!counted)
        row.cells[l.remark()] = text("期間外");
    return row;
}

// A period row: for each characteristic value, what `pick` takes of its column.
template <typename Pick>
RecordRow periodRow(const std::string& label, const RecordPeriod& p, const Layout& l, Pick pick) {
    RecordRow row{RecordRow::Part::Period, std::vector<RecordCell>(l.size())};
    row.cells[0] = text(label);
    for (const StatSlot slot : kColumns) row.cells[Layout::of(slot)] = pick(p.column(slot));
    return row;
}

RecordRow note(const std::string& label, const std::string& body) {
    return {RecordRow::Part::Note, {text(label), text(body)}};
}

std::string yearList(const std::vector<int>& years) {
    std::string out;
    for (const int y : years) out += (out.empty() ? "" : ", ") + std::to_string(y);
    return out;
}

void addDrought10(const StationRecord& r, const Layout& l, std::vector<RecordRow>& rows) {
    const RecordPeriod& p = r.period;
    RecordRow row{RecordRow::Part::Period, std::vector<RecordCell>(l.size())};
    row.cells[0] = text("1/10渇水流量");
    int years = 0;
    for (const int y : p.years)
        for (const YearRecord& yr : r.years)
            if (yr.year == y && yr.stat(kStatDrought)) ++years;
    if (p.drought10) {
        row.cells[Layout::of(kStatDrought)] = value(p.drought10);
        row.cells[l.remark()] =
            text(std::to_string(years) + "年の渇水流量の小さい方から第" + std::to_string(p.drought10Rank) + "位");
    } else {
        row.cells[l.remark()] = text("渇水流量のある年が" + std::to_string(years) + "年で10年に満たないため求めない");
    }
    rows.push_back(std::move(row));
}

void addPeriod(const StationRecord& r, const Layout& l, std::vector<RecordRow>& rows) {
    const RecordPeriod& p = r.period;
    const auto year = [](int y) { return y ? count(y) : RecordCell{}; };
    rows.push_back(periodRow("期間平均", p, l, [](const PeriodColumn& c) { return value(c.mean); }));
    rows.push_back(periodRow("期間最大", p, l, [](const PeriodColumn& c) { return value(c.max); }));
    rows.push_back(periodRow("最大の年", p, l, [&](const PeriodColumn& c) { return year(c.maxYear); }));
    rows.push_back(periodRow("期間最小", p, l, [](const PeriodColumn& c) { return value(c.min); }));
    rows.push_back(periodRow("最小の年", p, l, [&](const PeriodColumn& c) { return year(c.minYear); }));
    if (r.kind == SeriesKind::Discharge) addDrought10(r, l, rows);
    rows.push_back(note("統計期間", (p.years.empty() ? std::string("なし") : yearList(p.years)) + "（" +
                                       std::to_string(p.years.size()) + "年、欠測日数" +
                                       std::to_string(p.allowedMissingDays) + "日以下の年）"));
    if (!p.leftOut.empty()) rows.push_back(note("期間外", yearList(p.leftOut)));
}

}  // namespace

const char* kindWord(SeriesKind kind) { return kind == SeriesKind::Discharge ? "流量" : "水位"; }

std::string twoDecimalText(double v) { return toUtf8(twoDecimal(v)); }

std::string cellText(const RecordCell& c) {
    switch (c.kind) {
        case Kind::Value:
            return twoDecimalText(c.number);
        case Kind::Count:
            return std::to_string(static_cast<long long>(c.number));
        case Kind::Date:
            return isoDate(c.date);
        case Kind::Text:
            return c.text;
        case Kind::Empty:
            break;
    }
    return {};
}

RecordTable recordTable(const StationRecord& r, bool runoffAlways) {
    const Layout l{runoffAlways || r.kind == SeriesKind::Discharge};
    RecordTable t;
    std::string names = toUtf8(r.names.Kansokujo);
    if (!r.names.Suikei.empty() || !r.names.Kasen.empty())
        names += "（" + toUtf8(r.names.Suikei) + "水系　" + toUtf8(r.names.Kasen) + "）";
    t.title = toUtf8(r.station) + (names.empty() ? "" : "　" + names) + "　流況表（" + kindWord(r.kind) +
              (r.kind == SeriesKind::Discharge ? "、m³/s）" : "、m）");
    t.headers = headers(l);
    for (const YearRecord& y : r.years) t.rows.push_back(yearRow(y, r.period, l));
    addPeriod(r, l, t.rows);
    return t;
}

}  // namespace tellvane
