#include "records/CsvRecords.h"

#include <csv.h>

#include <algorithm>
#include <new>

namespace tellvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What libcsv's callbacks collect. They only gather: an exception must not cross
// the C library, so the records are handed on after each call into it.
struct Gathered {
    std::vector<std::string> cells;
    std::vector<std::vector<std::string>> records;
};

void onCell(void* bytes, std::size_t size, void* data) {
    auto& g = *static_cast<Gathered*>(data);
    g.cells.emplace_back(size ? static_cast<const char*>(bytes) : "", size);
}

void onRecordEnd(int, void* data) {
    auto& g = *static_cast<Gathered*>(data);
    g.records.push_back(std::move(g.cells));
    g.cells.clear();
}

class Parser {
public:
    Parser() {
        if (csv_init(&p_, CSV_STRICT | CSV_STRICT_FINI) != 0) throw std::bad_alloc();
    }
    ~Parser() { csv_free(&p_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    bool feed(std::string_view bytes, Gathered& g) {
        return csv_parse(&p_, bytes.data(), bytes.size(), onCell, onRecordEnd, &g) == bytes.size();
    }
    bool finish(Gathered& g) { return csv_fini(&p_, onCell, onRecordEnd, &g) == 0; }

private:
    csv_parser p_;
};

}  // namespace

void readCsvRecords(std::string_view text, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    Parser parser;
    Gathered g;
    CsvRecord record;
    record.place.file = file;
    long line = 0;
    long recordLine = 1;
    bool inQuotes = false;  // in strict RFC 4180 a quote's parity tells it
    const auto handOn = [&] {
        for (auto& cells : g.records) {
            record.cells = std::move(cells);
            record.place.line = recordLine;
            onRecord(record);
        }
        g.records.clear();
    };

    // Fed one line at a time, so that every record and error has its line.
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
        const std::string_view piece = text.substr(0, end);
        text.remove_prefix(end);
        ++line;
        if (!inQuotes) {
            recordLine = line;
            if (piece.starts_with('#')) continue;
        }
        if (!parser.feed(piece, g)) throw InputError(file, line, "malformed quoting");
        handOn();
        if (std::count(piece.begin(), piece.end(), '"') % 2 != 0) inQuotes = !inQuotes;
    }
    if (!parser.finish(g)) throw InputError(file, line, "a quoted cell is not closed");
    handOn();
}

}  // namespace tellvane
