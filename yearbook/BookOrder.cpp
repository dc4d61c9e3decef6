#include "yearbook/BookOrder.h"

#include <algorithm>
#include <set>
#include <utility>

#include "records/CsvRecords.h"
#include "records/DataFiles.h"
#include "records/TextDecoder.h"
#include "records/TextTrim.h"

namespace tellvane {

std::vector<std::u16string> bookOrder(const StationRecords& records,
                                      const std::optional<std::filesystem::path>& catalogue) {
    std::vector<std::u16string> inData = records.stations();
    std::sort(inData.begin(), inData.end());
    std::vector<std::u16string> order;
    if (catalogue) {
        const std::string text = readWholeFile(*catalogue);
        TextDecoder utf8("UTF-8");
        bool header = true;
        readCsvRecords(text, catalogue->string(), [&](const CsvRecord& record) {
            if (std::exchange(header, false) || record.cells.empty()) return;
            const auto station = utf8.decode(record.cells[0]);
            if (!station) return;  // the catalogue's own reading has refused it already
            const std::u16string number(trimBlanks(*station));
            if (std::binary_search(inData.begin(), inData.end(), number)) order.push_back(number);
        });
    }
    const std::set<std::u16string> listed(order.begin(), order.end());
    for (const std::u16string& s : inData)
        if (!listed.contains(s)) order.push_back(s);
    return order;
}

}  // namespace tellvane
