#include "common/Text.h"

#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>

#include "common/CharConv.h"
#include "common/CheckedInt.h"
#include "common/Error.h"

namespace tellvane {
namespace {

bool isBlankUnit(char16_t c) { return c == u' ' || c == u'\t'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// What scanning found of a number: where it ends, and for the common short forms
// its digits as an integer with the count of fraction digits.
struct Scan {
    std::size_t end;
    bool negative = false;
    bool simple = true;         // at most 15 digits and no exponent
    std::int64_t mantissa = 0;  // signed: converts to double in one instruction
    int fractionDigits = 0;
};

// Up to 15 digits and a power of ten up to 1e15 are both exact, so one division
// gives the correctly rounded value.
constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// A text that is nothing but a number as the files write readings, [-]digits[.digits]
// with at most 15 digits, read in one pass to the value scanNumber and readNumber
// give it; nullopt for any other text. Every reading of a year passes here.
std::optional<double> plainNumber(std::u16string_view text) {
    constexpr std::size_t kLongest = 1 + 15 + 1;  // a minus, 15 digits and a point
    const std::size_t n = text.size();
    if (n == 0 || n > kLongest) return std::nullopt;
    const char16_t* const p = text.data();
    const std::size_t first = p[0] == u'-' ? 1 : 0;
    // One pass with one test a unit: digits but for at most one point.
    std::int64_t mantissa = 0;  // at most 17 digits: no overflow before the count is checked
    std::size_t point = n;
    for (std::size_t i = first; i < n; ++i) {
        const unsigned digit = static_cast<unsigned>(p[i]) - u'0';
        if (digit <= 9) {
            mantissa = mantissa * 10 + digit;
        } else {
            if (p[i] != u'.' || point != n) return std::nullopt;
            point = i;
        }
    }
    const std::size_t whole = point - first, fraction = point == n ? 0 : n - point - 1;
    if (whole == 0 || whole + fraction > 15) return std::nullopt;
    const double v = static_cast<double>(mantissa) / kPow10[fraction];
    return first == 1 ? -v : v;
}

// The longest prefix of text (from pos) that forms a number; end == pos when there
// is none. Every reading of a year passes here, so the loops work on locals and
// pointers rather than on the returned value.
Scan scanNumber(std::u16string_view text, std::size_t pos) {
    const char16_t* const first = text.data();
    const char16_t* const last = first + text.size();
    const char16_t* p = first + pos;
    bool negative = false;
    std::int64_t mantissa = 0;
    int digits = 0, fractionDigits = 0;
    const auto readDigits = [&](const char16_t* q) {
        for (; q < last && isDigit(*q); ++q, ++digits)
            if (digits < 15) mantissa = mantissa * 10 + (*q - u'0');
        return q;
    };
    if (p < last && (*p == u'+' || *p == u'-')) negative = *p++ == u'-';
    p = readDigits(p);
    if (p < last && *p == u'.' && (digits > 0 || (p + 1 < last && isDigit(p[1])))) {
        const int before = digits;
        p = readDigits(p + 1);
        fractionDigits = digits - before;
    }
    if (digits == 0) return Scan{pos};
    bool simple = digits <= 15;
    if (p < last && (*p == u'e' || *p == u'E')) {
        const char16_t* q = p + 1;
        if (q < last && (*q == u'+' || *q == u'-')) ++q;
        const char16_t* const exponent = q;
        while (q < last && isDigit(*q)) ++q;
        if (q > exponent) simple = false, p = q;
    }
    return Scan{static_cast<std::size_t>(p - first), negative, simple, mantissa, fractionDigits};
}

locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// The number that scanNumber found in text[begin, scan.end).
double readNumber(std::u16string_view text, std::size_t begin, const Scan& scan) {
    if (scan.simple) {
        const double v = static_cast<double>(scan.mantissa) / kPow10[scan.fractionDigits];
        return scan.negative ? -v : v;
    }
    std::string ascii;
    for (std::size_t k = begin; k < scan.end; ++k)
        if (text[k] != u'+' || k != begin) ascii += static_cast<char>(text[k]);
    errno = 0;
    const double v = strtod_l(ascii.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(v)) throw Error::overflow();
    return v;  // an underflow reads as the nearest tiny value or 0
}

std::size_t skipBlanks(std::u16string_view text, std::size_t i) {
    while (i < text.size() && isBlankUnit(text[i])) ++i;
    return i;
}

std::u16string ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// The whole number of hundredths nearest to the exact binary value of x, exact
// halves away from zero, for |x| < 1e13. Four daily means a day are written this
// way, and printf-style rounding through to_chars costs ten times as much.
std::int64_t nearestHundredths(double x) {
    const double p = x * 100;
    const double error = std::fma(x, 100.0, -p);  // p + error is 100x exactly
    double n = std::round(p);
    // With |p| < 2^50, p - n and d -+ 0.5 are exact, and the sign of a sum of two
    // doubles is the sign of the exact sum: the comparisons below are exact.
    const double d = p - n;
    const double aboveHalf = (d - 0.5) + error, belowHalf = (d + 0.5) + error;
    if (aboveHalf > 0 || (aboveHalf == 0 && x > 0))
        n += 1;
    else if (belowHalf < 0 || (belowHalf == 0 && x < 0))
        n -= 1;
    return static_cast<std::int64_t>(n);
}

// Hundredths as "#0.00", without a minus sign for zero; written as UTF-16 directly,
// since every day of a year gets four of them.
std::u16string hundredthsText(std::int64_t hundredths) {
    char16_t buf[32];
    char16_t* const end = buf + std::size(buf);
    char16_t* p = end;
    std::uint64_t v =
        hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
    for (int i = 0; i < 3 || v > 0; ++i, v /= 10) {
        if (i == 2) *--p = u'.';
        *--p = static_cast<char16_t>(u'0' + v % 10);
    }
    if (hundredths < 0) *--p = u'-';
    return std::u16string(p, static_cast<std::size_t>(end - p));
}

}  // namespace

double leadingNumber(std::u16string_view text) {
    if (const auto plain = plainNumber(text)) return *plain;
    const std::size_t start = skipBlanks(text, 0);
    const Scan scan = scanNumber(text, start);
    return scan.end == start ? 0.0 : readNumber(text, start, scan);
}

std::int32_t wholeNumber(std::u16string_view text) {
    const std::size_t start = skipBlanks(text, 0);
    const Scan scan = scanNumber(text, start);
    if (scan.end == start || skipBlanks(text, scan.end) != text.size()) throw Error::typeMismatch();
    return Int32::fromReal(readNumber(text, start, scan)).value();
}

bool isBlank(std::u16string_view text) { return skipBlanks(text, 0) == text.size(); }

std::u16string twoDecimal(double x) {
    if (!std::isfinite(x)) throw Error::overflow();
    if (std::fabs(x) < 1e13) return hundredthsText(nearestHundredths(x));
    char buf[400];
    // Exact halves are the only case where to_chars' ties-to-even differs from the
    // wanted halves away from zero. A binary value is exactly half a hundredth away
    // from two neighbours only when it is an odd number of eighths, which x * 8
    // shows exactly at any magnitude.
    const double eighths = x * 8;
    if (std::isfinite(eighths) && eighths == std::floor(eighths) && std::fmod(eighths, 2.0) != 0.0) {
        // Three decimals are exact and end in 125, 375, 625 or 875: dropping the 5
        // and raising the hundredths digit (a 2 or a 7) rounds away from zero.
        const auto r = toCharsFixed(buf, buf + sizeof buf, x, 3);
        std::string digits(buf, static_cast<std::size_t>(r.ptr - buf - 1));
        ++digits.back();
        return ascii(digits);
    }
    // to_chars rounds the exact binary value like printf.
    const auto r = toCharsFixed(buf, buf + sizeof buf, x, 2);
    const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    return ascii(s == "-0.00" ? std::string_view("0.00") : s);
}

std::u16string plainDecimal(double x) {
    if (x == 0.0) return u"0";
    char buf[400];
    const auto r = toCharsFixed(buf, buf + sizeof buf, x);
    if (r.ec != std::errc()) throw Error::overflow();
    return ascii(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

std::u16string plainInteger(long long v) { return ascii(std::to_string(v)); }

std::u16string fullWidth(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out)
        if (c >= u'!' && c <= u'~') c = static_cast<char16_t>(c - u'!' + 0xFF01);
    return out;
}

std::u16string fromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        int more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (more == 0) {
            cp = c;
        } else if (more > 0 && i + static_cast<std::size_t>(more) < s.size()) {
            char32_t v = c & (0x3F >> more);
            bool ok = true;
            for (int k = 1; k <= more; ++k) {
                const unsigned char d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
                if ((d & 0xC0) != 0x80) {
                    ok = false;
                    break;
                }
                v = (v << 6) | (d & 0x3F);
            }
            static const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
            if (ok && v >= minimum[more] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
                cp = v;
                len = static_cast<std::size_t>(more) + 1;
            }
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
    return out;
}

std::string toUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() * 3);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::optional<std::u32string> codePointsOf(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        const bool high = u >= 0xD800 && u <= 0xDBFF, low = u >= 0xDC00 && u <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            out += static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (text[++i] - 0xDC00));
        else if (high || low)
            return std::nullopt;
        else
            out += u;
    }
    return out;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace tellvane
