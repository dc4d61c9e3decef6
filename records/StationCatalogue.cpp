#include "records/StationCatalogue.h"

#include "common/Text.h"
#include "records/CsvRecords.h"
#include "records/InvisibleText.h"
#include "records/ShownText.h"
#include "records/TextDecoder.h"
#include "records/TextTrim.h"

namespace tellvane {

StationCatalogue readStationCatalogue(std::string_view text, const std::string& file) {
    static const std::vector<std::string> kHeader = {"station", "name", "water_system", "river"};
    TextDecoder utf8("UTF-8");
    StationCatalogue catalogue;
    bool headerSeen = false;
    readCsvRecords(text, file, [&](const CsvRecord& record) {
        const InputPlace& place = record.place;
        if (!headerSeen) {
            if (record.cells != kHeader) throw place.error("the header must be station,name,water_system,river");
            headerSeen = true;
            return;
        }
        if (record.cells.size() != kHeader.size())
            throw place.error(std::to_string(record.cells.size()) + " cells, expected 4");
        std::u16string cells[4];
        for (std::size_t i = 0; i < 4; ++i) {
            auto decoded = utf8.decode(record.cells[i]);
            if (!decoded) throw place.error("the text is not UTF-8");
            cells[i] = trimBlanks(*decoded);  // also inside quotes
        }
        if (cells[0].empty()) throw place.error("the station number is empty");
        static constexpr const char* kWhat[] = {"the station number", "the name", "the water system", "the river"};
        for (std::size_t i = 0; i < 4; ++i) checkVisibleText(cells[i], kWhat[i], place);
        if (!catalogue.emplace(cells[0], StationNames{cells[1], cells[2], cells[3], place}).second)
            throw place.error("station " + shownName(cells[0]) + " is listed twice");
    });
    if (!headerSeen) throw InputError(file, 0, "no header: the file holds no records");
    return catalogue;
}

}  // namespace tellvane
