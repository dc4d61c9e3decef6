#pragma once
// The 流況表 of a station-kind as rows of cells: the year rows, then the period's
// rows and notes. Every format (text, CSV, workbook) lays out this one table, so
// they never differ in what they show.

#include <string>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

struct RecordCell {
    enum class Kind { Empty, Value, Count, Date, Text };
    Kind kind = Kind::Empty;
    double number = 0.0;  ///< Value (shown with two decimals) and Count (a whole number: days, hours, a year)
    CivilDate date{};     ///< Date
    std::string text{};   ///< Text, UTF-8
};

struct RecordRow {
    enum class Part { Year, Period, Note };
    Part part = Part::Year;
    std::vector<RecordCell> cells;  ///< one per header; a note has one cell of text after its label
};

struct RecordTable {
    std::string title;                 ///< station, names and kind with the unit, UTF-8
    std::vector<std::string> headers;  ///< UTF-8
    std::vector<RecordRow> rows;
};

/// "水位" or "流量".
const char* kindWord(SeriesKind kind);

/// The table of the record; the runoff column only for discharge unless asked for
/// always (one header for records of both kinds).
RecordTable recordTable(const StationRecord& record, bool runoffAlways = false);

/// A value in the control's two-decimal form, UTF-8.
std::string twoDecimalText(double v);

/// A cell as every format writes it: a value in the two-decimal form, a count as a
/// whole number, a date as YYYY-MM-DD, a text as it is, an empty cell empty.
std::string cellText(const RecordCell& cell);

}  // namespace tellvane
