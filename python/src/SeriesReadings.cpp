#include "python/src/SeriesReadings.h"

#include <charconv>
#include <cmath>
#include <map>
#include <system_error>

#include "common/Text.h"
#include "records/ReadingText.h"

namespace tellvane::python {
namespace {

constexpr std::int64_t kNanosecondsPerHour = 3'600'000'000'000;
constexpr char kSeriesName[] = "<series>";

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// The civil date of a day counted from 1970-01-01: the proleptic Gregorian calendar
// in eras of 400 years, each year counted from 1 March so that leap days fall last.
CivilDate dateOfDay(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floorDiv(days, 146097);
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

// The reading as the shortest decimal that reads back as the same value, as a file writes it.
std::u16string readingText(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::u16string text;
    if (ec != std::errc()) return text;
    text.reserve(static_cast<std::size_t>(end - buffer));
    for (const char* c = buffer; c != end; ++c) text.push_back(static_cast<char16_t>(*c));
    return text;
}

}  // namespace

StationRecords recordsOfReadings(const std::int64_t* nanoseconds, const double* values, std::size_t count,
                                 const std::u16string& station, SeriesKind kind,
                                 const std::optional<StationNames>& names) {
    std::map<CivilDate, HourCells> days;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t t = nanoseconds[i];
        if (t % kNanosecondsPerHour != 0 || std::isnan(values[i])) continue;
        const InputPlace place{kSeriesName, static_cast<long>(i + 1)};
        checkMagnitude(values[i], "the reading", place);
        const std::int64_t hours = floorDiv(t, kNanosecondsPerHour);
        std::int64_t day = floorDiv(hours, 24);
        int hour = static_cast<int>(hours - day * 24);
        if (hour == 0) {  // 00:00 closes the day before, as its hour 24
            --day;
            hour = 24;
        }
        std::u16string& cell = days[dateOfDay(day)][static_cast<std::size_t>(hour - 1)];
        if (!cell.empty()) throw place.error("the time is given twice");
        cell = readingText(values[i]);
    }

    StationRecords records;
    Series& series = records.series(station, kind);
    const InputPlace whole{kSeriesName, 0};
    if (names) records.setNames(series, *names, whole);
    for (auto& [date, cells] : days) records.addDay(series, date, std::move(cells), whole);
    return records;
}

}  // namespace tellvane::python
