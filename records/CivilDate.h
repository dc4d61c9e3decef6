#pragma once
// A day of the Gregorian calendar, as the data files write it.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tellvane {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    auto operator<=>(const CivilDate&) const = default;
};

/// "YYYY<sep>MM<sep>DD" with exactly four, two and two digits naming a real day of
/// the years 1 to 9999; nullopt for anything else.
std::optional<CivilDate> parseCivilDate(std::u16string_view text, char16_t separator);

/// The date as YYYY-MM-DD.
std::string isoDate(const CivilDate& date);

}  // namespace tellvane
