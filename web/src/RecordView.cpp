#include "web/src/RecordView.h"

#include "record/RecordTable.h"
#include "recording/JsonLine.h"

namespace tellvane::web {
namespace {

const char* partName(RecordRow::Part part) {
    switch (part) {
        case RecordRow::Part::Year:
            return "year";
        case RecordRow::Part::Period:
            return "period";
        case RecordRow::Part::Note:
            break;
    }
    return "note";
}

template <typename Each>
std::string array(std::size_t n, Each each) {
    std::string out = "[";
    for (std::size_t i = 0; i < n; ++i) out += (i ? "," : "") + each(i);
    return out + "]";
}

std::string rowJson(const RecordRow& row) {
    const auto& c = row.cells;
    return JsonLine()
        .add("part", partName(row.part))
        .addRaw("cells", array(c.size(), [&](std::size_t i) { return jsonString(cellText(c[i])); }))
        .addRaw("values", array(c.size(), [&](std::size_t i) {
                    return c[i].kind == RecordCell::Kind::Value ? jsonNumber(c[i].number) : std::string("null");
                }))
        .str();
}

std::string tableJson(const StationRecord& record) {
    const RecordTable t = recordTable(record);
    return JsonLine()
        .add("station", record.station)
        .add("kind", record.kind == SeriesKind::Discharge ? "discharge" : "level")
        .add("title", t.title)
        .addRaw("headers", array(t.headers.size(), [&](std::size_t i) { return jsonString(t.headers[i]); }))
        .addRaw("rows", array(t.rows.size(), [&](std::size_t i) { return rowJson(t.rows[i]); }))
        .str();
}

}  // namespace

std::string recordViewJson(const std::vector<StationRecord>& records) {
    return JsonLine()
        .addRaw("tables", array(records.size(), [&](std::size_t i) { return tableJson(records[i]); }))
        .str();
}

}  // namespace tellvane::web
