#pragma once
// The records of a comma-separated text (RFC 4180) as the hourly data and the
// station catalogue write it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/InputError.h"

namespace tellvane {

/// One record: its cells as the file's bytes, quotes removed and spaces and tabs
/// around unquoted cells trimmed, and the line it begins on.
struct CsvRecord {
    std::vector<std::string> cells;
    InputPlace place;
};

/// Calls onRecord for each record of text, in order. A UTF-8 byte order mark at the
/// start is skipped; a line that begins with '#' outside a quoted cell is a comment;
/// blank lines are skipped; a quoted cell may hold commas, doubled quotes and line
/// breaks. A malformed quote fails with InputError naming file and line, and so does
/// whatever onRecord throws.
void readCsvRecords(std::string_view text, const std::string& file,
                    const std::function<void(const CsvRecord&)>& onRecord);

}  // namespace tellvane
