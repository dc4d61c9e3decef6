#pragma once
// A download of the water information database (水文水質データベース): Shift_JIS as
// Windows writes it, CR LF, ten header lines, then comma-separated rows of
// (value, flag) pairs. A value is 8 characters with two decimals; its flag is one
// character: blank for a normal value, * 暫定値, $ 欠測, # 閉局, - 未登録.

#include <string>
#include <string_view>

#include "records/StationRecords.h"

namespace tellvane {

/// How a download's bytes reach the reader: as the database wrote them, or already
/// decoded to UTF-8 by a host with a decoder of its own (the browser, whose C
/// library knows no Windows Shift_JIS). Lines and their numbers are the same.
enum class DownloadEncoding { ShiftJis, Utf8 };

/// Adds the days of one file to records, as the series of the header's station and
/// the title's kind, its names taken from the header. An hourly month table gives
/// each day its 24 readings; a daily year table gives each day its value in all 24
/// hours, so that every aggregate of the day is the official daily value. A reading
/// flagged $, # or -, or written -9999.00, is delivered empty; a provisional one as
/// its value. Bad encoding, an unknown flag, a value that is no number, a malformed
/// date, a wrong number of cells, a day given twice or a line out of place fails
/// with InputError.
void readWaterDbFile(std::string_view bytes, const std::string& file, StationRecords& records,
                     DownloadEncoding encoding = DownloadEncoding::ShiftJis);

}  // namespace tellvane
