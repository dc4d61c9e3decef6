#include "records/CsvRecords.h"

#include <csv.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
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

// The first comma in [p, end), or end. A reading's cell is a few bytes: eight are
// looked at together (a comma is a zero byte of the word XOR commas; the lowest
// flagged byte is the first zero, flags above it may be false).
const char* nextComma(const char* p, const char* const end) {
    constexpr std::uint64_t kCommas = 0x2C2C2C2C2C2C2C2Cull, kOnes = 0x0101010101010101ull,
                            kHighs = 0x8080808080808080ull;
    if constexpr (std::endian::native == std::endian::little)
        for (; end - p >= 8; p += 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            const std::uint64_t x = word ^ kCommas;
            if (const std::uint64_t zero = (x - kOnes) & ~x & kHighs) return p + (std::countr_zero(zero) >> 3);
        }
    while (p != end && *p != ',') ++p;
    return p;
}

// Feeds libcsv one line at a time, so that every record and error has its line.
// libcsv itself ends a record at CR or LF alike; the lines are counted here.
class LineFeeder {
public:
    LineFeeder(const std::string& file, const std::function<void(const CsvRowView&)>& onRow, const CsvStart& start,
               const CsvLineFirst& lineFirst)
        : file_(file),
          onRow_(onRow),
          lineFirst_(lineFirst),
          line_(start.line - 1),
          offset_(start.offset),
          bomAllowed_(start.line == 1),
          recordLine_(start.line) {
        place_.file = file;
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
            const auto end = lineEnd(bytes);
            if (end == bytes.end()) {
                if (carry_.size() + bytes.size() > kLongestCsvRecord) tooLong(inQuotes_ ? recordLine_ : line_ + 1);
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
    // The first CR or LF; two passes of memchr are faster than one of a loop.
    static std::string_view::iterator lineEnd(std::string_view bytes) {
        const void* lf = std::memchr(bytes.data(), '\n', bytes.size());
        const std::size_t before =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data()) : bytes.size();
        const void* cr = std::memchr(bytes.data(), '\r', before);
        return bytes.begin() + static_cast<std::ptrdiff_t>(
                                   cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes.data()) : before);
    }

    [[noreturn]] void tooLong(long line) const {
        throw InputError(file_, std::max(line, 1L),
                         "a record longer than " + std::to_string(kLongestCsvRecord >> 20) + " MB begins here");
    }

    void line(std::string_view piece) {
        const std::uint64_t begin = offset_;
        offset_ += piece.size();
        if (bomAllowed_ && piece.starts_with(kByteOrderMark)) piece.remove_prefix(kByteOrderMark.size());
        bomAllowed_ = false;
        ++line_;
        if (!inQuotes_) {
            recordLine_ = line_;
            begin_ = begin;
            if (piece.starts_with('#')) return;
            if (piece.size() > kLongestCsvRecord) tooLong(line_);
            // Most lines hold no quote: they are split here, as libcsv would.
            if (!std::memchr(piece.data(), '"', piece.size())) return unquotedLine(piece);
        } else if (offset_ - begin_ > kLongestCsvRecord) {
            tooLong(recordLine_);
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

    // A line without quotes: cells between commas, spaces and tabs around them
    // trimmed; a line of blanks alone is no record (libcsv's rules).
    void unquotedLine(std::string_view piece) {
        while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r')) piece.remove_suffix(1);
        const auto blank = [](char c) { return c == ' ' || c == '\t'; };
        if (std::all_of(piece.begin(), piece.end(), blank)) return;
        place_.line = recordLine_;
        if (lineFirst_ && lineFirst_(CsvRowView{{}, place_, begin_, offset_, piece})) return;
        views_.clear();
        const char* p = piece.data();
        const char* const end = p + piece.size();
        for (;;) {
            const char* const cellEnd = nextComma(p, end);
            const char* a = p;
            const char* b = cellEnd;
            while (a != b && blank(*a)) ++a;
            while (b != a && blank(b[-1])) --b;
            views_.emplace_back(a, static_cast<std::size_t>(b - a));
            if (cellEnd == end) break;
            p = cellEnd + 1;
        }
        onRow_(CsvRowView{views_, place_, begin_, offset_, piece});
    }

    void handOn() {
        for (auto& cells : g_.records) {
            views_.assign(cells.begin(), cells.end());
            place_.line = recordLine_;
            onRow_(CsvRowView{views_, place_, begin_, offset_});
        }
        g_.records.clear();
    }

    const std::string& file_;
    const std::function<void(const CsvRowView&)>& onRow_;
    const CsvLineFirst& lineFirst_;
    Parser parser_;
    Gathered g_;
    std::vector<std::string_view> views_;
    InputPlace place_;
    std::uint64_t begin_ = 0;  // of the record being read
    std::string carry_;        // the start of a line whose end is in a later chunk
    bool afterCr_ = false;
    long line_;
    std::uint64_t offset_;  // of the next line's first byte
    bool bomAllowed_;
    long recordLine_;
    long quoteLine_ = 0;
    bool inQuotes_ = false;
};

}  // namespace

void readCsvRows(const ByteChunks& chunks, const std::string& file, const std::function<void(const CsvRowView&)>& onRow,
                 const CsvStart& start, const CsvLineFirst& lineFirst) {
    LineFeeder feeder(file, onRow, start, lineFirst);
    for (std::string_view piece = chunks(); !piece.empty(); piece = chunks()) feeder.chunk(piece);
    feeder.finish();
}

void readCsvRecords(const ByteChunks& chunks, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord, const CsvStart& start) {
    CsvRecord record;
    readCsvRows(
        chunks, file,
        [&](const CsvRowView& row) {
            record.cells.assign(row.cells.begin(), row.cells.end());
            record.place = row.place;
            record.begin = row.begin;
            record.end = row.end;
            onRecord(record);
        },
        start);
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
