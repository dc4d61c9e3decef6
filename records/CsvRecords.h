#pragma once
// The records of a comma-separated text (RFC 4180) as the hourly data and the
// station catalogue write it.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/InputError.h"

namespace tellvane {

/// One record: its cells as the file's bytes, quotes removed and spaces and tabs
/// around unquoted cells trimmed, the line it begins on, and where its bytes lie in
/// the text ([begin, end), its line break included).
struct CsvRecord {
    std::vector<std::string> cells;
    InputPlace place;
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

/// Where a part of a text read on its own begins: the line and byte of the whole
/// text its first byte is at, for the places and extents of its records.
struct CsvStart {
    long line = 1;
    std::uint64_t offset = 0;
};

/// The bytes of a text in pieces, so that a large file need not be held whole: each
/// call gives the next piece (valid until the next call), an empty one at the end.
using ByteChunks = std::function<std::string_view()>;

/// Calls onRecord for each record of the text, in order. A UTF-8 byte order mark at
/// the start is skipped; lines end in LF, CR LF or CR alone; a line that begins with
/// '#' outside a quoted cell is a comment; blank lines are skipped; a quoted cell may
/// hold commas, doubled quotes and line breaks. A malformed quote fails with
/// InputError naming file and line (a quoted cell never closed, the line it opens
/// on), and so does whatever onRecord throws.
void readCsvRecords(const ByteChunks& chunks, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord, const CsvStart& start = {});

/// One record as the reader sees it: its cells as views of the reader's buffers,
/// valid during the call only. For readers that look at each cell once and keep
/// little: nothing is copied.
struct CsvRowView {
    std::span<const std::string_view> cells;
    const InputPlace& place;
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
    /// The line the cells are views of, when they are (a line without quotes);
    /// empty when they are not.
    std::string_view line = {};
};

/// The longest record read: a record that runs on for more bytes than this fails
/// at its line, so that no input holds more than this of its text in memory.
inline constexpr std::size_t kLongestCsvRecord = 1u << 20;

/// A line without quotes offered whole before it is split: cells empty, line its
/// text without the line break (neither blank nor a comment). True when the reader
/// took it; false has it split and handed to onRow as every other record.
using CsvLineFirst = std::function<bool(const CsvRowView& row)>;

/// The same as readCsvRecords, each record as a view. A record longer than
/// kLongestCsvRecord fails at the line it begins on.
void readCsvRows(const ByteChunks& chunks, const std::string& file, const std::function<void(const CsvRowView&)>& onRow,
                 const CsvStart& start = {}, const CsvLineFirst& lineFirst = nullptr);

/// The same for a text held whole.
void readCsvRecords(std::string_view text, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord);

}  // namespace tellvane
