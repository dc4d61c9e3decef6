#include "records/ReadingText.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>

#include "records/ShownText.h"

namespace tellvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the digits from i.
std::size_t digitsEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// Hand-written rather than left to from_chars, which also takes "inf", "nan" and a
// leading point alone, and to strtod, which also takes hexadecimal and the locale's
// point: the grammar is the file format's, and only then is the value converted.
bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t intStart = i;
    i = digitsEnd(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        i = digitsEnd(text, i);
        digits = digits || i > fracStart;
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t expStart = i;
        i = digitsEnd(text, i);
        if (i == expStart) return false;
    }
    return i == text.size();
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> plainDecimalValue(std::string_view text) {
    if (!isPlainDecimal(text)) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Out of range is rare: strtod tells an overflow (infinite) from an underflow (0).
    // (in the C locale: Qt sets the user's, whose decimal point may be a comma).
    if (ec == std::errc::result_out_of_range) {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return strtod_l(std::string(text).c_str(), nullptr, c);
    }
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void checkMagnitude(double value, const std::string& what, const InputPlace& place) {
    if (!(std::fabs(value) < kLargestReading))
        throw place.error(what + " is beyond the largest reading taken (magnitude below 1e9)");
}

std::string_view hourReading(std::string_view cell, int hour, const InputPlace& place) {
    cell = trimmed(cell);
    if (cell.empty() || cell == "$" || cell == "#" || cell == "-") return {};
    const std::string what = "hour " + std::to_string(hour) + ": " + shownText(cell);
    const auto value = plainDecimalValue(cell);
    if (!value)
        throw place.error(
            what + " is not a reading (a decimal number, empty, or one of the missing marks -999, -9999, $, #, -)");
    checkMagnitude(*value, what, place);
    if (*value == kDatabaseMissingValue) return {};
    return cell;
}

}  // namespace tellvane
