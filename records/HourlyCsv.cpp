#include "records/HourlyCsv.h"

#include "common/Text.h"
#include "records/CsvRecords.h"
#include "records/TextDecoder.h"
#include "records/TextTrim.h"

namespace tellvane {
namespace {

constexpr std::size_t kCells = 2 + 24;

bool isHeader(const std::vector<std::string>& cells) {
    if (cells.size() != kCells || cells[0] != "station" || cells[1] != "date") return false;
    for (std::size_t h = 1; h <= 24; ++h)
        if (cells[h + 1] != std::to_string(h)) return false;
    return true;
}

}  // namespace

void readHourlyCsv(std::string_view text, const std::string& file, StationRecords& records) {
    TextDecoder utf8("UTF-8");
    bool headerSeen = false;
    Series* last = nullptr;  // rows of one station mostly come together
    readCsvRecords(text, file, [&](const CsvRecord& record) {
        const auto& cells = record.cells;
        const InputPlace& place = record.place;
        if (!headerSeen) {
            if (!isHeader(cells)) throw place.error("the header must be station,date,1,2,...,24");
            headerSeen = true;
            return;
        }
        if (cells.size() != kCells)
            throw place.error(std::to_string(cells.size()) + " cells, expected 26 (station, date, 24 hours)");
        // Blanks around a cell are layout even inside quotes: a quoted blank
        // reading is no reading, not a reading of 0.
        const auto decode = [&](const std::string& cell) {
            const auto decoded = utf8.decode(cell);
            if (!decoded) throw place.error("the text is not UTF-8");
            return std::u16string(trimBlanks(*decoded));
        };
        const std::u16string station = decode(cells[0]);
        if (station.empty()) throw place.error("the station number is empty");
        const auto date = parseCivilDate(decode(cells[1]), u'-');
        if (!date) throw place.error("the date '" + cells[1] + "' is not a day written YYYY-MM-DD");
        HourCells hours;
        for (std::size_t h = 0; h < 24; ++h) hours[h] = decode(cells[h + 2]);
        if (!last || last->station != station) last = &records.series(station, SeriesKind::Unstated);
        records.addDay(*last, *date, std::move(hours), place);
    });
    if (!headerSeen) throw InputError(file, 0, "no header: the file holds no records");
}

}  // namespace tellvane
