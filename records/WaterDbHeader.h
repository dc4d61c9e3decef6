#pragma once
// The ten header lines of a download of the water information database: the
// table's title, the station's names and number, the flag legend and the column
// captions.

#include <string>
#include <vector>

#include "records/StationRecords.h"

namespace tellvane {

/// How the rows of a table are laid out.
enum class WaterDbLayout {
    HourlyMonth,  ///< 時刻…月表: one row per day, 24 (value, flag) pairs
    DailyYear,    ///< 日…年表: a "YYYY年" line, then one row per month, a pair per day
};

struct WaterDbHeader {
    WaterDbLayout layout;
    SeriesKind kind;
    std::u16string station;  ///< 観測所記号
    StationNames names;      ///< 観測所名, 水系名, 河川名
    long namesLine = 0;      ///< the line of 観測所名, for messages about the names
    bool monthlyMean = false;  ///< the column captions announce a monthly mean (平均)
};

/// Lines a download has before its rows.
constexpr std::size_t kWaterDbHeaderLines = 10;

/// The header of the decoded lines (line 1 first). A title of another table, a
/// missing name or number, or a line out of place fails with InputError.
WaterDbHeader parseWaterDbHeader(const std::vector<std::u16string>& lines, const std::string& file);

}  // namespace tellvane
