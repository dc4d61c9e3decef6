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
    const std::size_t cells = g.cells.size();
    g.records.push_back(std::move(g.cells));
    g.cells.clear();
    g.cells.reserve(cells);  // the next record most likely has as many
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

// Feeds libcsv one line at a time, so that every record and error has its line.
// libcsv itself ends a record at CR or LF alike; the lines are counted here.
class LineFeeder {
public:
    LineFeeder(const std::string& file, const std::function<void(const CsvRecord&)>& onRecord, const CsvStart& start)
        : file_(file),
          onRecord_(onRecord),
          line_(start.line - 1),
          offset_(start.offset),
          bomAllowed_(start.line == 1),
          recordLine_(start.line) {
        record_.place.file = file;
    }

    // A chunk of the text; a line may run on into the next chunk.
    void chunk(std::string_view bytes) {
        if (afterCr_ && !bytes.empty()) {
            afterCr_ = false;
            // The LF of a CR LF split between chunks ends no further line.
            if (bytes.front() == '\n') {
                ++offset_;
                feedBytes(bytes.substr(0, 1));
                bytes.remove_prefix(1);
            }
        }
        while (!bytes.empty()) {
            const auto end = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\n' || c == '\r'; });
            if (end == bytes.end()) {
                carry_.append(bytes);
                return;
            }
            std::size_t length = static_cast<std::size_t>(end - bytes.begin()) + 1;
            if (*end == '\r') {
                if (length < bytes.size())
                    length += bytes[length] == '\n' ? 1 : 0;
                else
                    afterCr_ = true;  // an LF may open the next chunk
            }
            if (carry_.empty()) {
                line(bytes.substr(0, length));
            } else {
                carry_.append(bytes.substr(0, length));
                line(carry_);
                carry_.clear();
            }
            bytes.remove_prefix(length);
        }
    }

    void finish() {
        if (!carry_.empty()) line(carry_);
        if (!parser_.finish(g_)) throw InputError(file_, quoteLine_, "a quoted cell opened here is not closed");
        handOn();
    }

private:
    void line(std::string_view piece) {
        const std::uint64_t begin = offset_;
        offset_ += piece.size();
        if (bomAllowed_ && piece.starts_with(kByteOrderMark)) piece.remove_prefix(kByteOrderMark.size());
        bomAllowed_ = false;
        ++line_;
        if (!inQuotes_) {
            recordLine_ = line_;
            record_.begin = begin;
            if (piece.starts_with('#')) return;
        }
        feedBytes(piece);
        // In strict RFC 4180 a quote's parity tells whether a cell stays open.
        if (std::count(piece.begin(), piece.end(), '"') % 2 != 0) {
            inQuotes_ = !inQuotes_;
            if (inQuotes_) quoteLine_ = line_;
        }
    }

    void feedBytes(std::string_view bytes) {
        if (!parser_.feed(bytes, g_)) throw InputError(file_, std::max(line_, 1L), "malformed quoting");
        handOn();
    }

    void handOn() {
        for (auto& cells : g_.records) {
            record_.cells = std::move(cells);
            record_.place.line = recordLine_;
            record_.end = offset_;
            onRecord_(record_);
        }
        g_.records.clear();
    }

    const std::string& file_;
    const std::function<void(const CsvRecord&)>& onRecord_;
    Parser parser_;
    Gathered g_;
    CsvRecord record_;
    std::string carry_;  // the start of a line whose end is in a later chunk
    bool afterCr_ = false;
    long line_;
    std::uint64_t offset_;  // of the next line's first byte
    bool bomAllowed_;
    long recordLine_;
    long quoteLine_ = 0;
    bool inQuotes_ = false;
};

}  // namespace

void readCsvRecords(const ByteChunks& chunks, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord, const CsvStart& start) {
    LineFeeder feeder(file, onRecord, start);
    for (std::string_view piece = chunks(); !piece.empty(); piece = chunks()) feeder.chunk(piece);
    feeder.finish();
}

void readCsvRecords(std::string_view text, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord) {
    bool given = false;
    readCsvRecords(
        [&] {
            if (given) return std::string_view();
            given = true;
            return text;
        },
        file, onRecord);
}

}  // namespace tellvane
