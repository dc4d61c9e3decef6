#pragma once
// Multi-year hourly CSV for the record's tests: values that differ by hour, day and
// year, with the gaps a real record has (days and whole years without readings).

#include <cstdio>
#include <functional>
#include <string>

namespace tellvane::test {

/// A reading's text, or empty for no reading, by year, month, day and hour (1-24).
using GeneratedReading = std::function<std::string(int year, int month, int day, int hour)>;

inline bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

inline int monthDays(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : kDays[m - 1];
}

/// The hourly CSV of a station from first to last year; a day whose every hour is
/// empty is left out of the file.
inline std::string generatedCsv(const std::string& station, int first, int last, const GeneratedReading& reading) {
    std::string out = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    for (int y = first; y <= last; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= monthDays(y, m); ++d) {
                char date[40];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", y, m, d);
                std::string line = station + "," + date;
                bool any = false;
                for (int h = 1; h <= 24; ++h) {
                    const std::string v = reading(y, m, d, h);
                    any = any || !v.empty();
                    line += "," + v;
                }
                if (any) out += line + "\n";
            }
    return out;
}

/// A value in two decimals from a whole number of hundredths.
inline std::string hundredths(long v) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%ld.%02ld", v < 0 ? "-" : "", (v < 0 ? -v : v) / 100, (v < 0 ? -v : v) % 100);
    return text;
}

}  // namespace tellvane::test
