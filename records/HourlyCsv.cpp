#include "records/HourlyCsv.h"

#include <algorithm>

#include "common/Text.h"
#include "records/InvisibleText.h"
#include "records/ReadingText.h"
#include "records/ShownText.h"
#include "records/TextDecoder.h"
#include "records/TextTrim.h"
#include "records/WideAscii.h"

namespace tellvane {
namespace {

constexpr std::size_t kCells = 2 + 24;

bool isHeader(std::span<const std::string_view> cells) {
    if (cells.size() != kCells || cells[0] != "station" || cells[1] != "date") return false;
    for (std::size_t h = 1; h <= 24; ++h)
        if (cells[h + 1] != std::to_string(h)) return false;
    return true;
}

// The rows of one file. Most rows repeat the station of the row before, and most
// are of station-years not kept: those cost a check of each cell, nothing more.
class RowReader {
public:
    RowReader(StationRecords& records, bool headerSeen) : records_(records), utf8_("UTF-8"), headerSeen_(headerSeen) {}

    void row(const CsvRowView& record) {
        const auto& cells = record.cells;
        const InputPlace& place = record.place;
        if (!headerSeen_) {
            if (!isHeader(cells)) throw place.error("the header must be station,date,1,2,...,24");
            headerSeen_ = true;
            return;
        }
        if (cells.size() != kCells)
            throw place.error(std::to_string(cells.size()) + " cells, expected 26 (station, date, 24 hours)");
        Series& series = seriesOf(cells[0], place);
        const auto date = dateOf(cells[1], place);
        if (!date) throw place.error("the date " + shownText(cells[1]) + " is not a day written YYYY-MM-DD");
        if (records_.keepsNumbers() && records_.keeps(series, *date)) {
            HourValues readings;
            for (std::size_t h = 0; h < 24; ++h) readings[h] = hourValue(cells[h + 2], static_cast<int>(h + 1), place);
            return records_.addDay(series, *date, readings, place, {record.begin, record.end});
        }
        std::array<std::string_view, 24> texts;
        for (std::size_t h = 0; h < 24; ++h) texts[h] = hourReading(cells[h + 2], static_cast<int>(h + 1), place);
        // One set of cells for every row: addDay leaves it empty (moved from) or untouched.
        if (records_.keeps(series, *date)) widenAll(texts, record.line);
        records_.addDay(series, *date, std::move(hours_), place, {record.begin, record.end});
        for (std::u16string& cell : hours_) cell.clear();
    }

    // A line of the station of the line before, its date and 24 readings of the short
    // form, kept as numbers or not kept: read from the line in one pass rather than
    // split into cells first. Any other line is left to row, which reads it the same
    // way or names what is wrong with it.
    bool takeLine(const CsvRowView& record) {
        // A station quoted for its comma is split otherwise where the line is not quoted.
        if (!headerSeen_ || !last_ || lastCell_.find(',') != std::string::npos) return false;
        const std::string_view line = record.line;
        const std::size_t dateAt = lastCell_.size() + 1, readingsAt = dateAt + 11;
        if (line.size() <= readingsAt || !line.starts_with(lastCell_) || line[dateAt - 1] != ',' ||
            line[readingsAt - 1] != ',')
            return false;
        const std::string_view dateCell = line.substr(dateAt, 10);
        if (std::any_of(dateCell.begin(), dateCell.end(), [](char c) { return c & 0x80; })) return false;
        const auto date = dateOf(dateCell, record.place);
        if (!date || (!records_.keepsNumbers() && records_.keeps(*last_, *date))) return false;
        HourValues readings;
        const char* p = line.data() + readingsAt;
        const char* const end = line.data() + line.size();
        for (std::size_t h = 0; h < 24; ++h) {
            p = shortReadingAt(p, end, readings[h]);
            if (!p || (p == end) != (h == 23)) return false;
            if (h < 23) ++p;  // past the comma
        }
        records_.addDay(*last_, *date, readings, record.place, {record.begin, record.end});
        return true;
    }

    bool headerSeen() const { return headerSeen_; }

private:
    // The readings as UTF-16 into hours_. Where they are views of the line, the line is
    // widened at once and each reading copied from it: a reading widened on its own
    // into a buffer and copied at once stalls the copy on the stores just made, and
    // widening in place would fill each cell twice.
    void widenAll(const std::array<std::string_view, 24>& texts, std::string_view line) {
        if (line.empty()) {
            for (std::size_t h = 0; h < 24; ++h) widen(texts[h], hours_[h]);
            return;
        }
        if (wideLine_.size() < line.size()) wideLine_.resize(line.size());
        widenAscii(line, wideLine_.data());
        for (std::size_t h = 0; h < 24; ++h)
            if (!texts[h].empty())
                hours_[h].assign(wideLine_.data() + (texts[h].data() - line.data()), texts[h].size());
    }

    // The ASCII text of a reading as UTF-16, in place: assigning from a range of
    // another character type would build a temporary string first.
    static void widen(std::string_view text, std::u16string& cell) {
        cell.resize(text.size());
        std::copy(text.begin(), text.end(), cell.begin());
    }

    // The date, read from its bytes when they are ASCII (always, in a good file).
    std::optional<CivilDate> dateOf(std::string_view cell, const InputPlace& place) {
        std::u16string_view text;
        char16_t ascii[10];
        std::u16string decoded;
        while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t')) cell.remove_prefix(1);
        while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t')) cell.remove_suffix(1);
        if (cell.size() == 10 && std::none_of(cell.begin(), cell.end(), [](char c) { return c & 0x80; })) {
            std::copy(cell.begin(), cell.end(), ascii);
            text = std::u16string_view(ascii, 10);
        } else {
            decoded = decode(cell, place);
            text = decoded;
        }
        return parseCivilDate(text, u'-');
    }

    // Blanks around a cell are layout even inside quotes: a quoted blank
    // reading is no reading, not a reading of 0.
    std::u16string decode(std::string_view cell, const InputPlace& place) {
        const auto decoded = utf8_.decode(cell);
        if (!decoded) throw place.error("the text " + shownText(cell) + " is not UTF-8");
        return std::u16string(trimBlanks(*decoded));
    }

    Series& seriesOf(std::string_view cell, const InputPlace& place) {
        if (last_ && cell == lastCell_) return *last_;
        const std::u16string station = decode(cell, place);
        if (station.empty()) throw place.error("the station number is empty");
        checkVisibleText(station, "the station number", place);
        last_ = &records_.series(station, SeriesKind::Unstated);
        lastCell_ = cell;
        return *last_;
    }

    StationRecords& records_;
    TextDecoder utf8_;
    bool headerSeen_;
    Series* last_ = nullptr;
    HourCells hours_;
    std::u16string wideLine_;  // the line being read as UTF-16, for widenAll
    std::string lastCell_;
};

}  // namespace

void readHourlyCsv(const ByteChunks& chunks, const std::string& file, StationRecords& records, const CsvStart& start) {
    RowReader reader(records, start.line > 1);
    readCsvRows(
        chunks, file, [&](const CsvRowView& record) { reader.row(record); }, start,
        [&](const CsvRowView& line) { return reader.takeLine(line); });
    if (!reader.headerSeen()) throw InputError(file, 0, "no header: the file holds no records");
}

void readHourlyCsv(std::string_view text, const std::string& file, StationRecords& records) {
    const auto read = [&](StationRecords& into) {
        bool given = false;
        readHourlyCsv(
            [&] {
                if (given) return std::string_view();
                given = true;
                return text;
            },
            file, into);
    };
    try {
        read(records);
    } catch (const RepeatedDay& repeat) {
        StationRecords::nameBothPlaces(repeat, read);  // the text held is read again
    }
}

}  // namespace tellvane
