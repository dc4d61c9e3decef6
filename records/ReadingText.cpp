#include "records/ReadingText.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>

#include "common/CharConv.h"
#include "common/Text.h"
#include "records/ShownText.h"

namespace tellvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What scanning a plain decimal found: whether the text is one, and for the common
// short form (no exponent, at most 15 digits) its digits as an integer with the
// count of fraction digits.
struct Scan {
    bool valid = false;
    bool simple = true;
    bool negative = false;
    std::int64_t mantissa = 0;
    int digits = 0, fractionDigits = 0;
};

// Hand-written rather than left to from_chars, which also takes "inf", "nan" and a
// leading point alone, and to strtod, which also takes hexadecimal and the locale's
// point: the grammar is the file format's, and only then is the value converted.
Scan scanPlainDecimal(std::string_view text) {
    Scan scan;
    std::size_t i = 0;
    const auto readDigits = [&] {
        for (; i < text.size() && isDigit(text[i]); ++i, ++scan.digits)
            if (scan.digits < 15) scan.mantissa = scan.mantissa * 10 + (text[i] - '0');
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) scan.negative = text[i++] == '-';
    readDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        const int before = scan.digits;
        readDigits();
        scan.fractionDigits = scan.digits - before;
    }
    if (scan.digits == 0) return scan;
    scan.simple = scan.digits <= 15;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        scan.simple = false;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t expStart = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == expStart) return scan;
    }
    scan.valid = i == text.size();
    return scan;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> plainDecimalValue(std::string_view text) {
    const Scan scan = scanPlainDecimal(text);
    if (!scan.valid) return std::nullopt;
    if (scan.simple) {
        // Up to 15 digits and a power of ten up to 1e15 are both exact, so one
        // division gives the correctly rounded value, faster than from_chars.
        static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double v = static_cast<double>(scan.mantissa) / kPow10[scan.fractionDigits];
        return scan.negative ? -v : v;
    }
    if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus
    double value = 0;
    const auto [end, ec] = fromChars(text.data(), text.data() + text.size(), value);
    // Out of range is rare: strtod tells an overflow (infinite) from an underflow (0).
    // (in the C locale: Qt sets the user's, whose decimal point may be a comma).
    if (ec == std::errc::result_out_of_range) {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return strtod_l(std::string(text).c_str(), nullptr, c);
    }
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double readingValue(std::string_view text) {
    // The control's own reading of the text, widened as the readers hand it over.
    return leadingNumber(std::u16string(text.begin(), text.end()));
}

void checkMagnitude(double value, const std::string& what, const InputPlace& place) {
    if (!(std::fabs(value) < kLargestReading))
        throw place.error(what + " is beyond the largest reading taken (magnitude below 1e9)");
}

std::string_view otherHourReading(std::string_view cell, int hour, const InputPlace& place) {
    cell = trimmed(cell);
    if (cell.empty() || cell == "$" || cell == "#" || cell == "-") return {};
    // Worded only on failure: every reading of a file passes here.
    const auto what = [&] { return "hour " + std::to_string(hour) + ": " + shownText(cell); };
    // The common short form decides without a conversion: at most nine digits before
    // the point are below 1e9, and -9999 is its digits with the fraction all zeros.
    const Scan scan = scanPlainDecimal(cell);
    if (scan.valid && scan.simple && scan.digits - scan.fractionDigits <= 9) {
        std::int64_t missing = 9999;
        for (int i = 0; i < scan.fractionDigits; ++i) missing *= 10;
        return scan.negative && scan.mantissa == missing ? std::string_view() : cell;
    }
    const auto value = scan.valid ? plainDecimalValue(cell) : std::nullopt;
    if (!value)
        throw place.error(
            what() + " is not a reading (a decimal number, empty, or one of the missing marks -999, -9999, $, #, -)");
    if (!(std::fabs(*value) < kLargestReading)) checkMagnitude(*value, what(), place);
    if (*value == kDatabaseMissingValue) return {};
    return cell;
}

}  // namespace tellvane
