#include "record/RecordCsv.h"

#include "common/Text.h"
#include "record/RecordTable.h"

namespace tellvane {
namespace {

std::string quoted(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string out = "\"";
    for (const char c : cell) out += c == '"' ? "\"\"" : std::string(1, c);
    return out + "\"";
}

std::string csvCell(const RecordCell& c) {
    return c.kind == RecordCell::Kind::Text ? quoted(c.text) : cellText(c);
}

std::string line(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + cells[i];
    return out + "\r\n";
}

}  // namespace

std::string recordCsv(const std::vector<StationRecord>& records) {
    std::string out = "\xEF\xBB\xBF";
    bool header = false;
    for (const StationRecord& r : records) {
        // Every station-kind has the runoff column, so that one header serves all.
        const RecordTable t = recordTable(r, true);
        if (!header) {
            std::vector<std::string> h = {"観測所", "観測所名", "種別"};
            h.insert(h.end(), t.headers.begin(), t.headers.end());
            out += line(h);
            header = true;
        }
        const std::vector<std::string> lead = {quoted(toUtf8(r.station)), quoted(toUtf8(r.names.Kansokujo)),
                                               kindWord(r.kind)};
        for (const RecordRow& row : t.rows) {
            std::vector<std::string> cells = lead;
            if (row.part == RecordRow::Part::Note) {
                // The label where the year goes, the text in the remarks.
                cells.push_back(csvCell(row.cells[0]));
                cells.resize(lead.size() + t.headers.size() - 1);
                cells.push_back(csvCell(row.cells[1]));
            } else {
                for (const RecordCell& c : row.cells) cells.push_back(csvCell(c));
            }
            out += line(cells);
        }
    }
    return out;
}

}  // namespace tellvane
