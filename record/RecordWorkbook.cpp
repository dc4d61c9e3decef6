#include "record/RecordWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "common/Text.h"
#include "record/RecordTable.h"
#include "record/RecordText.h"

namespace tellvane {
namespace {

constexpr std::size_t kLongestSheetName = 31;
constexpr lxw_row_t kTitleRow = 0, kHeaderRow = 1, kFirstRow = 2;

struct Formats {
    lxw_format* title;
    lxw_format* header;
    lxw_format* value;
    lxw_format* count;
    lxw_format* date;
    lxw_format* label;
    lxw_format* periodValue;  // the period's first row carries a rule above
    lxw_format* periodCount;
    lxw_format* periodLabel;

    explicit Formats(lxw_workbook* wb) {
        title = workbook_add_format(wb);
        format_set_bold(title);
        header = workbook_add_format(wb);
        format_set_bold(header);
        format_set_align(header, LXW_ALIGN_CENTER);
        format_set_bottom(header, LXW_BORDER_THIN);
        format_set_bg_color(header, 0xE8E8E8);
        value = numberFormat(wb, "0.00");
        count = numberFormat(wb, "0");
        date = numberFormat(wb, "yyyy-mm-dd");
        label = workbook_add_format(wb);
        periodValue = numberFormat(wb, "0.00");
        periodCount = numberFormat(wb, "0");
        periodLabel = workbook_add_format(wb);
        format_set_bold(periodLabel);
        for (lxw_format* f : {periodValue, periodCount, periodLabel}) format_set_bg_color(f, 0xF2F2F2);
    }
    static lxw_format* numberFormat(lxw_workbook* wb, const char* pattern) {
        lxw_format* f = workbook_add_format(wb);
        format_set_num_format(f, pattern);
        return f;
    }
};

// Column widths in characters, as wide as the widest text shown (wide characters
// counting two), with a little room.
class Widths {
public:
    void fit(lxw_col_t col, std::size_t width) {
        if (col >= widths_.size()) widths_.resize(col + 1, 6);
        widths_[col] = std::max(widths_[col], width + 2);
    }
    void apply(lxw_worksheet* ws) const {
        for (std::size_t c = 0; c < widths_.size(); ++c)
            worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 static_cast<double>(widths_[c]), nullptr);
    }

private:
    std::vector<std::size_t> widths_;
};

class Sheet {
public:
    Sheet(lxw_worksheet* ws, const Formats& f) : ws_(ws), f_(f) {}

    void text(lxw_row_t row, lxw_col_t col, const std::string& t, lxw_format* format, bool fits = true) {
        worksheet_write_string(ws_, row, col, t.c_str(), format);
        if (fits) widths_.fit(col, displayWidth(t));
    }
    void number(lxw_row_t row, lxw_col_t col, double v, lxw_format* format, std::size_t shownWidth) {
        worksheet_write_number(ws_, row, col, v, format);
        widths_.fit(col, shownWidth);
    }
    void value(lxw_row_t row, lxw_col_t col, double v, bool period = false) {
        number(row, col, v, period ? f_.periodValue : f_.value, twoDecimalText(v).size());
    }
    void count(lxw_row_t row, lxw_col_t col, double v, bool period = false) {
        number(row, col, v, period ? f_.periodCount : f_.count, std::to_string(static_cast<long long>(v)).size());
    }
    void date(lxw_row_t row, lxw_col_t col, const CivilDate& d) {
        if (d.year < 1900) return text(row, col, isoDate(d), f_.label);  // before the spreadsheet's calendar
        lxw_datetime when = {d.year, d.month, d.day, 0, 0, 0.0};
        worksheet_write_datetime(ws_, row, col, &when, f_.date);
        widths_.fit(col, 10);
    }
    void blank(lxw_row_t row, lxw_col_t col, lxw_format* format) { worksheet_write_blank(ws_, row, col, format); }
    void headers(const std::string& title, const std::vector<std::string>& names) {
        text(kTitleRow, 0, title, f_.title, false);
        for (std::size_t i = 0; i < names.size(); ++i) text(kHeaderRow, static_cast<lxw_col_t>(i), names[i], f_.header);
        // Title and headers stay in view, and so does the first column.
        worksheet_freeze_panes(ws_, kFirstRow, 1);
    }
    void finish() { widths_.apply(ws_); }

private:
    lxw_worksheet* ws_;
    const Formats& f_;
    Widths widths_;
};

std::string sheetName(const std::string& wanted, std::set<std::string>& used) {
    std::u16string name = fromUtf8(wanted);
    for (char16_t& c : name)
        if (std::u16string_view(u"[]:*?/\\").find(c) != std::u16string_view::npos) c = u'_';
    if (name.size() > kLongestSheetName) name.resize(kLongestSheetName);
    std::string out = toUtf8(name);
    for (int n = 2; used.contains(out); ++n) {
        const std::u16string suffix = fromUtf8(" (" + std::to_string(n) + ")");
        out = toUtf8(name.substr(0, kLongestSheetName - suffix.size()) + suffix);
    }
    used.insert(out);
    return out;
}

void writeCell(Sheet& s, lxw_row_t row, lxw_col_t col, const RecordCell& c, const Formats& f, bool period) {
    switch (c.kind) {
        case RecordCell::Kind::Value:
            return s.value(row, col, c.number, period);
        case RecordCell::Kind::Count:
            return s.count(row, col, c.number, period);
        case RecordCell::Kind::Date:
            return s.date(row, col, c.date);
        case RecordCell::Kind::Text:
            return s.text(row, col, c.text, period ? f.periodLabel : f.label, col == 0 || !period);
        case RecordCell::Kind::Empty:
            if (period) s.blank(row, col, f.periodValue);
            return;
    }
}

void recordSheet(lxw_worksheet* ws, const Formats& f, const StationRecord& r) {
    Sheet s(ws, f);
    const RecordTable t = recordTable(r);
    s.headers(t.title, t.headers);
    lxw_row_t row = kFirstRow;
    bool periodStarted = false;
    for (const RecordRow& line : t.rows) {
        if (line.part != RecordRow::Part::Year && !periodStarted) {
            ++row;  // an empty row sets the period apart
            periodStarted = true;
        }
        if (line.part == RecordRow::Part::Note) {
            s.text(row, 0, line.cells[0].text, f.periodLabel);
            s.text(row++, 1, line.cells[1].text, f.label, false);
            continue;
        }
        const bool period = line.part == RecordRow::Part::Period;
        for (std::size_t c = 0; c < line.cells.size(); ++c)
            writeCell(s, row, static_cast<lxw_col_t>(c), line.cells[c], f, period);
        ++row;
    }
    s.finish();
}

void optionalValue(Sheet& s, lxw_row_t row, lxw_col_t col, const std::optional<double>& v, bool period) {
    if (v) s.value(row, col, *v, period);
}

// Days 1-31 down, months across, each month's foot below, the year's values after.
void dailySheet(lxw_worksheet* ws, const Formats& f, const StationRecord& r, const YearRecord& y) {
    Sheet s(ws, f);
    const std::string unit = r.kind == SeriesKind::Discharge ? "m³/s" : "m";
    std::vector<std::string> headers = {"日"};
    for (int m = 1; m <= 12; ++m) headers.push_back(std::to_string(m) + "月");
    s.headers(toUtf8(r.station) + "　" + toUtf8(r.names.Kansokujo) + "　" + std::to_string(y.year) + "年　日" +
                  kindWord(r.kind) + "表（" + unit + "）",
              headers);
    for (int d = 1; d <= 31; ++d) {
        const lxw_row_t row = kFirstRow + static_cast<lxw_row_t>(d - 1);
        s.count(row, 0, d);
        for (int m = 1; m <= 12; ++m)
            if (const auto v = y.daily[static_cast<std::size_t>(calendarSlot(m, d))]) s.value(row, static_cast<lxw_col_t>(m), *v);
    }
    lxw_row_t row = kFirstRow + 31 + 1;
    const char* foot[] = {"平均", "最大", "最小", "資料日数"};
    for (int i = 0; i < 4; ++i) {
        s.text(row + static_cast<lxw_row_t>(i), 0, foot[i], f.periodLabel);
        for (int m = 1; m <= 12; ++m) {
            const MonthSummary ms = monthSummary(y, m);
            const lxw_row_t at = row + static_cast<lxw_row_t>(i);
            const auto col = static_cast<lxw_col_t>(m);
            if (i == 0) optionalValue(s, at, col, ms.mean, true);
            if (i == 1) optionalValue(s, at, col, ms.max, true);
            if (i == 2) optionalValue(s, at, col, ms.min, true);
            if (i == 3) s.count(at, col, ms.daysWithData, true);
        }
    }
    row += 5;
    // The year's values, as the record's row gives them.
    StationRecord one = r;
    one.years = {y};
    const RecordTable t = recordTable(one);
    for (std::size_t c = 1; c < t.headers.size(); ++c) {
        const RecordCell& cell = t.rows.front().cells[c];
        if (cell.kind == RecordCell::Kind::Empty) continue;
        s.text(row, 0, t.headers[c], f.periodLabel, false);
        writeCell(s, row++, 1, cell, f, false);
    }
    s.finish();
}

[[noreturn]] void fail(const char* what) { throw std::runtime_error(std::string("the workbook could not be written: ") + what); }

lxw_worksheet* sheet(lxw_workbook* wb, const std::string& name) {
    lxw_worksheet* ws = workbook_add_worksheet(wb, name.c_str());
    if (ws) return ws;
    workbook_close(wb);
    fail(("the sheet name " + name + " was refused").c_str());
}

}  // namespace

std::vector<std::string> sheetNames(const std::vector<StationRecord>& records, bool daily) {
    std::set<std::string> used;
    std::vector<std::string> names;
    for (const StationRecord& r : records) {
        const std::string kind = kindWord(r.kind);
        names.push_back(sheetName(toUtf8(r.station) + " " + kind, used));
        if (!daily) continue;
        for (const YearRecord& y : r.years)
            if (y.daysWithData > 0) names.push_back(sheetName(toUtf8(r.station) + " " + std::to_string(y.year) + " " + kind, used));
    }
    return names;
}

void writeRecordWorkbook(const std::string& file, const std::vector<StationRecord>& records, bool daily) {
    lxw_workbook* wb = workbook_new(file.c_str());
    if (!wb) fail("the file cannot be created");
    // A fixed creation time keeps the same records' workbook the same bytes.
    lxw_doc_properties properties = {};
    properties.title = const_cast<char*>("流況表");
    properties.created = 946684800;  // 2000-01-01T00:00:00Z
    workbook_set_properties(wb, &properties);
    const Formats f(wb);
    const std::vector<std::string> names = sheetNames(records, daily);
    std::size_t next = 0;
    for (const StationRecord& r : records) {
        lxw_worksheet* ws = sheet(wb, names[next++]);
        recordSheet(ws, f, r);
        if (!daily) continue;
        for (const YearRecord& y : r.years) {
            if (y.daysWithData == 0) continue;
            dailySheet(sheet(wb, names[next++]), f, r, y);
        }
    }
    const lxw_error closed = workbook_close(wb);
    if (closed != LXW_NO_ERROR) fail(lxw_strerror(closed));
}

}  // namespace tellvane
