#include "records/WaterDbFile.h"

#include <vector>

#include "common/CharConv.h"
#include "common/Text.h"
#include "hostkit/TenDayBlocks.h"
#include "records/ReadingText.h"
#include "records/ShownText.h"
#include "records/TextDecoder.h"
#include "records/TextTrim.h"
#include "records/WaterDbHeader.h"

namespace tellvane {
namespace {

std::vector<std::u16string> decodedLines(std::string_view bytes, const std::string& file, DownloadEncoding encoding) {
    const bool shiftJis = encoding == DownloadEncoding::ShiftJis;
    TextDecoder decoder(shiftJis ? "CP932" : "UTF-8");
    std::vector<std::u16string> lines;
    while (!bytes.empty()) {
        // Lines end in CR LF as the database writes them, or in LF or CR alone.
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos && bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
        bytes.remove_prefix(next);
        auto decoded = decoder.decode(line);
        if (!decoded)
            throw InputError(file, static_cast<long>(lines.size() + 1),
                             shiftJis ? "the text is not Shift_JIS" : "the text is not UTF-8");
        lines.push_back(std::move(*decoded));
    }
    return lines;
}

std::vector<std::u16string_view> splitCells(std::u16string_view line) {
    std::vector<std::u16string_view> cells;
    for (;;) {
        const std::size_t comma = line.find(u',');
        cells.push_back(line.substr(0, comma));
        if (comma == std::u16string_view::npos) return cells;
        line.remove_prefix(comma + 1);
    }
}

// A decimal as the tables write it: an optional minus, digits, optionally a point
// and more digits.
std::optional<double> tableNumber(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (!(c == u'-' || c == u'.' || (c >= u'0' && c <= u'9'))) return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    const std::size_t first = ascii.starts_with('-') ? 1 : 0;
    const std::size_t found = ascii.find_first_not_of("0123456789", first);
    const std::size_t intEnd = found == std::string::npos ? ascii.size() : found;
    if (intEnd == first) return std::nullopt;
    if (intEnd < ascii.size()) {
        if (ascii[intEnd] != '.' || intEnd + 1 == ascii.size()) return std::nullopt;
        if (ascii.find_first_not_of("0123456789", intEnd + 1) != std::string::npos) return std::nullopt;
    }
    double v = 0;
    if (fromChars(ascii.data(), ascii.data() + ascii.size(), v).ec != std::errc()) return std::nullopt;
    return v;
}

// The reading a (value, flag) pair delivers to the control.
std::u16string readingOf(std::u16string_view value, std::u16string_view flag, const InputPlace& place) {
    flag = trimBlanks(flag);
    if (flag == u"$" || flag == u"#" || flag == u"-") return {};
    if (!flag.empty() && flag != u"*") throw place.error("unknown flag " + shownText(flag));
    value = trimBlanks(value);
    const auto number = tableNumber(value);
    if (!number) throw place.error("the value " + shownText(value) + " is not a number");
    checkMagnitude(*number, "the value " + shownText(value), place);
    return *number == kDatabaseMissingValue ? std::u16string() : std::u16string(value);
}

class RowReader {
public:
    RowReader(const std::string& file, const WaterDbHeader& header, StationRecords& records)
        : header_(header),
          records_(records),
          series_(records.series(header.station, header.kind,
                                 header.layout == WaterDbLayout::DailyYear ? Resolution::Daily : Resolution::Hourly)),
          place_{file, 0} {
        records.setNames(series_, header.names, InputPlace{file, header.namesLine});
    }

    void read(const std::vector<std::u16string>& lines) {
        for (std::size_t i = kWaterDbHeaderLines; i < lines.size(); ++i) {
            place_.line = static_cast<long>(i + 1);
            if (lines[i].empty()) continue;
            if (header_.layout == WaterDbLayout::HourlyMonth)
                hourlyRow(lines[i]);
            else
                dailyLine(lines[i]);
        }
    }

private:
    void hourlyRow(std::u16string_view line) {
        const auto cells = splitCells(line);
        if (cells.size() != 1 + 2 * 24)
            throw place_.error(std::to_string(cells.size()) + " cells, expected 49 (date, 24 values and flags)");
        const auto date = parseCivilDate(trimBlanks(cells[0]), u'/');
        if (!date) throw place_.error("the date " + shownText(cells[0]) + " is not a day written YYYY/MM/DD");
        HourCells hours;
        for (std::size_t h = 0; h < 24; ++h) hours[h] = readingOf(cells[1 + 2 * h], cells[2 + 2 * h], place_);
        records_.addDay(series_, *date, std::move(hours), place_);
    }

    void dailyLine(std::u16string_view line) {
        const auto cells = splitCells(line);
        const std::u16string_view first = trimBlanks(cells[0]);
        if (cells.size() == 1 && first.size() == 5 && first.ends_with(u'年')) {
            const auto date = parseCivilDate(std::u16string(first.substr(0, 4)) + u"/01/01", u'/');
            if (!date) throw place_.error("the year " + shownText(first) + " is not written YYYY年");
            year_ = date->year;
            return;
        }
        const int month = monthOf(first);
        if (month == 0) throw place_.error("expected a year (YYYY年) or a month row beginning 1月 to 12月");
        if (year_ == 0) throw place_.error("a month row before any year line (YYYY年)");
        const std::size_t days = static_cast<std::size_t>(daysInMonth(year_, month));
        // Column captions that announce a monthly mean (平均) allow its pair after the
        // days; without them a pair more is a day beyond the month's end.
        if (cells.size() == 3 + 2 * days && !header_.monthlyMean)
            throw place_.error("a value for day " + std::to_string(days + 1) + " of " + std::to_string(year_) + "/" +
                               std::to_string(month) + ", which has " + std::to_string(days) + " days");
        if (cells.size() != 1 + 2 * days && cells.size() != 3 + 2 * days)
            throw place_.error(std::to_string(cells.size()) + " cells, expected " + std::to_string(1 + 2 * days) +
                               " (month, " + std::to_string(days) + " values and flags)");
        for (std::size_t d = 1; d <= days; ++d) {
            const std::u16string reading = readingOf(cells[2 * d - 1], cells[2 * d], place_);
            HourCells hours;
            hours.fill(reading);
            records_.addDay(series_, CivilDate{year_, month, static_cast<int>(d)}, std::move(hours), place_);
        }
    }

    // 1 to 12 for "1月" to "12月", else 0.
    static int monthOf(std::u16string_view text) {
        if (text.size() < 2 || text.size() > 3 || !text.ends_with(u'月')) return 0;
        int month = 0;
        for (const char16_t c : text.substr(0, text.size() - 1)) {
            if (c < u'0' || c > u'9') return 0;
            month = month * 10 + (c - u'0');
        }
        return month >= 1 && month <= 12 && !(text.size() == 3 && text[0] == u'0') ? month : 0;
    }

    const WaterDbHeader& header_;
    StationRecords& records_;
    Series& series_;
    InputPlace place_;
    int year_ = 0;
};

}  // namespace

void readWaterDbFile(std::string_view bytes, const std::string& file, StationRecords& records,
                     DownloadEncoding encoding) {
    const std::vector<std::u16string> lines = decodedLines(bytes, file, encoding);
    const WaterDbHeader header = parseWaterDbHeader(lines, file);
    try {
        RowReader(file, header, records).read(lines);
    } catch (const RepeatedDay& repeat) {
        StationRecords::nameBothPlaces(repeat, [&](StationRecords& again) { RowReader(file, header, again).read(lines); });
    }
}

}  // namespace tellvane
