#include "records/CivilDate.h"

#include <cstdio>

#include "hostkit/TenDayBlocks.h"

namespace tellvane {
namespace {

// The digits at [from, from + count) as a number, or -1 when one is no digit.
int digitsAt(std::u16string_view text, std::size_t from, std::size_t count) {
    int v = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char16_t c = text[i];
        if (c < u'0' || c > u'9') return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

}  // namespace

std::optional<CivilDate> parseCivilDate(std::u16string_view text, char16_t separator) {
    if (text.size() != 10 || text[4] != separator || text[7] != separator) return std::nullopt;
    const CivilDate d{digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2)};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
    if (d.day > daysInMonth(d.year, d.month)) return std::nullopt;
    return d;
}

std::string isoDate(const CivilDate& date) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace tellvane
