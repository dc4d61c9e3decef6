#include "record/RecordText.h"

#include <algorithm>

#include "common/Text.h"
#include "record/RecordTable.h"

namespace tellvane {
namespace {

bool wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

std::string shown(const RecordCell& c, bool yearRow) {
    switch (c.kind) {
        case RecordCell::Kind::Value:
            return twoDecimalText(c.number);
        case RecordCell::Kind::Count:
            return std::to_string(static_cast<long long>(c.number));
        case RecordCell::Kind::Date:
            // The year is the row's own.
            return yearRow ? std::to_string(c.date.month) + "/" + std::to_string(c.date.day) : isoDate(c.date);
        case RecordCell::Kind::Text:
            return c.text;
        case RecordCell::Kind::Empty:
            break;
    }
    return {};
}

void pad(std::string& line, const std::string& cell, std::size_t width, bool right) {
    const std::string fill(width - displayWidth(cell), ' ');
    line += right ? fill + cell : cell + fill;
}

std::string tableText(const RecordTable& t) {
    const std::size_t n = t.headers.size();
    std::vector<std::vector<std::string>> cells;
    std::vector<std::size_t> width(n);
    for (std::size_t i = 0; i < n; ++i) width[i] = displayWidth(t.headers[i]);
    for (const RecordRow& row : t.rows) {
        if (row.part == RecordRow::Part::Note) continue;
        std::vector<std::string> shownRow;
        for (std::size_t i = 0; i < n; ++i) {
            shownRow.push_back(shown(row.cells[i], row.part == RecordRow::Part::Year));
            width[i] = std::max(width[i], displayWidth(shownRow.back()));
        }
        cells.push_back(std::move(shownRow));
    }
    const auto line = [&](const std::vector<std::string>& row, const RecordRow* of) {
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            const bool number = of && of->cells[i].kind != RecordCell::Kind::Text;
            const bool last = i + 1 == n;
            if (i > 0) out += "  ";
            if (last && !number)
                out += row[i];  // no trailing blanks
            else
                pad(out, row[i], width[i], number || (!of && i + 1 < n));
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out + "\n";
    };
    std::string out = t.title + "\n" + line(t.headers, nullptr);
    std::size_t next = 0;
    bool periodStarted = false;
    for (const RecordRow& row : t.rows) {
        if (row.part == RecordRow::Part::Note) {
            out += row.cells[0].text + "：" + row.cells[1].text + "\n";
            continue;
        }
        if (row.part == RecordRow::Part::Period && !periodStarted) {
            // The period set apart from the years by a rule.
            std::size_t total = 0;
            for (const std::size_t w : width) total += w + 2;
            out += std::string(total - 2, '-') + "\n";
            periodStarted = true;
        }
        out += line(cells[next++], &row);
    }
    return out;
}

}  // namespace

std::size_t displayWidth(std::string_view utf8) {
    std::size_t w = 0;
    const std::u16string text = fromUtf8(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        w += wide(c) ? 2 : 1;
    }
    return w;
}

std::string recordText(const std::vector<StationRecord>& records) {
    std::string out;
    for (const StationRecord& r : records) out += (out.empty() ? "" : "\n") + tableText(recordTable(r));
    return out;
}

}  // namespace tellvane
