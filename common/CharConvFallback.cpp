#include "common/CharConvFallback.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tellvane::charconv_fallback {
namespace {

// A decimal d.ddd × 10^exponent, its digits without sign or point.
struct Digits {
    std::string digits;
    int exponent = 0;
};

template <typename Real>
Real readBack(const std::string& text) {
    if constexpr (sizeof(Real) == sizeof(float))
        return std::strtof(text.c_str(), nullptr);
    else
        return std::strtod(text.c_str(), nullptr);
}

std::string scientificText(const Digits& d) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += '.' + d.digits.substr(1);
    return s + 'e' + std::to_string(d.exponent);
}

// The significant digits printf rounds |v| to, correctly rounded.
Digits rounded(double v, int count) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", count - 1, v);
    Digits d;
    for (const char* p = buf; *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    d.exponent = std::atoi(std::strchr(buf, 'e') + 1);
    return d;
}

// The same number of digits one unit in the last place up or down.
Digits stepped(Digits d, int step) {
    std::string& s = d.digits;
    std::size_t i = s.size();
    if (step > 0) {
        while (i > 0 && s[i - 1] == '9') s[--i] = '0';
        if (i == 0) {
            s.insert(s.begin(), '1');
            s.pop_back();
            ++d.exponent;
        } else {
            ++s[i - 1];
        }
    } else {
        while (i > 0 && s[i - 1] == '0') s[--i] = '9';
        if (i == 0) return d;  // no smaller number with as many digits
        if (--s[i - 1] == '0' && i == 1) {
            s.erase(s.begin());
            s += '9';
            --d.exponent;
        }
    }
    return d;
}

// The digits of count significant digits that read back as |v|, if any: the
// correctly rounded ones, or beside a power of two, where the values that read
// back reach twice as far above as below, a neighbour of them.
template <typename Real>
bool roundTrips(Real v, int count, Digits& out) {
    const Digits near = rounded(static_cast<double>(v), count);
    for (const Digits& d : {near, stepped(near, +1), stepped(near, -1)}) {
        if (static_cast<int>(d.digits.size()) == count && readBack<Real>(scientificText(d)) == v) {
            out = d;
            return true;
        }
    }
    return false;
}

// The fewest significant digits that read back as |v| (v finite and > 0). Fewer
// digits never read back when more do not, so the count is found by bisection.
template <typename Real>
Digits shortestDigits(Real v) {
    int lo = 1, hi = sizeof(Real) == sizeof(float) ? 9 : 17;
    Digits best = rounded(static_cast<double>(v), hi), d;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (roundTrips(v, mid, d)) {
            best = d;
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    if (static_cast<int>(best.digits.size()) != lo && roundTrips(v, lo, d)) best = d;
    while (best.digits.size() > 1 && best.digits.back() == '0') best.digits.pop_back();
    return best;
}

std::string exponentForm(const Digits& d) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += '.' + d.digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return s + exp;
}

// Fixed notation of the digits; a whole number beyond them is printed exactly, as
// the standard library does, rather than padded with zeros.
std::string fixedForm(const Digits& d, double magnitude) {
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= n) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", magnitude);
        return buf;
    }
    if (d.exponent == n - 1) return d.digits;
    if (d.exponent >= 0) return d.digits.substr(0, d.exponent + 1) + '.' + d.digits.substr(d.exponent + 1);
    return "0." + std::string(-d.exponent - 1, '0') + d.digits;
}

std::to_chars_result put(char* first, char* last, const std::string& text) {
    if (static_cast<std::size_t>(last - first) < text.size()) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

// "inf", "-inf", "nan", "-nan", "0" or "-0" for the values that have no digits to
// choose; empty for the rest.
template <typename Real>
std::string special(Real v) {
    const std::string sign = std::signbit(v) ? "-" : "";
    if (std::isinf(v)) return sign + "inf";
    if (std::isnan(v)) return sign + "nan";
    if (v == 0) return sign + "0";
    return {};
}

template <typename Real>
std::to_chars_result shortestOf(char* first, char* last, Real v) {
    if (const std::string s = special(v); !s.empty()) return put(first, last, s);
    const Digits d = shortestDigits(std::fabs(v));
    const std::string fixedText = fixedForm(d, std::fabs(static_cast<double>(v)));
    const std::string exponentText = exponentForm(d);
    const std::string& text = fixedText.size() <= exponentText.size() ? fixedText : exponentText;
    return put(first, last, (v < 0 ? "-" : "") + text);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Case-insensitive prefix match of a lowercase word.
bool startsWithWord(const char* p, const char* last, const char* word) {
    for (; *word; ++word, ++p)
        if (p == last || (*p | 0x20) != *word) return false;
    return true;
}

// The end of "nan(n-char-sequence)" after "nan", or p itself when there is none.
const char* nanPayloadEnd(const char* p, const char* last) {
    if (p == last || *p != '(') return p;
    const char* q = p + 1;
    while (q != last && (isDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_')) ++q;
    return q != last && *q == ')' ? q + 1 : p;
}

// The end of the longest decimal number at p (digits, optional fraction, optional
// exponent), counting its digits; p itself when there is none.
const char* decimalEnd(const char* p, const char* last, int& digits, bool& simple) {
    const char* q = p;
    digits = 0;
    while (q != last && isDigit(*q)) ++q, ++digits;
    if (q != last && *q == '.') {
        const char* r = q + 1;
        while (r != last && isDigit(*r)) ++r, ++digits;
        if (digits > 0) q = r;
    }
    if (digits == 0) return p;
    simple = digits <= 15;
    if (q != last && (*q == 'e' || *q == 'E')) {
        const char* r = q + 1;
        if (r != last && (*r == '+' || *r == '-')) ++r;
        const char* e = r;
        while (r != last && isDigit(*r)) ++r;
        if (r != e) q = r, simple = false;
    }
    return q;
}

// Up to 15 digits without exponent: the integer and the power of ten are exact, so
// one division is correctly rounded, and the C library's slower path is skipped.
double simpleValue(const char* p, const char* end) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    long long mantissa = 0;
    int fraction = -1;
    for (; p != end; ++p) {
        if (*p == '.') {
            fraction = 0;
            continue;
        }
        mantissa = mantissa * 10 + (*p - '0');
        if (fraction >= 0) ++fraction;
    }
    return static_cast<double>(mantissa) / kPow10[fraction < 0 ? 0 : fraction];
}

}  // namespace

std::to_chars_result shortest(char* first, char* last, double v) { return shortestOf(first, last, v); }
std::to_chars_result shortest(char* first, char* last, float v) { return shortestOf(first, last, v); }

std::to_chars_result shortestFixed(char* first, char* last, double v) {
    if (const std::string s = special(v); !s.empty()) return put(first, last, s);
    return put(first, last, (v < 0 ? "-" : "") + fixedForm(shortestDigits(std::fabs(v)), std::fabs(v)));
}

std::to_chars_result fixed(char* first, char* last, double v, int precision) {
    if (std::isinf(v) || std::isnan(v)) return put(first, last, special(v));
    if (precision < 0) precision = 6;
    const int size = std::snprintf(nullptr, 0, "%.*f", precision, v);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", precision, v);
    text.pop_back();
    return put(first, last, text);
}

std::from_chars_result parse(const char* first, const char* last, double& v) {
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative) ++p;
    if (startsWithWord(p, last, "inf")) {
        const char* end = startsWithWord(p, last, "infinity") ? p + 8 : p + 3;
        v = negative ? -HUGE_VAL : HUGE_VAL;
        return {end, std::errc()};
    }
    if (startsWithWord(p, last, "nan")) {
        v = negative ? -std::nan("") : std::nan("");
        return {nanPayloadEnd(p + 3, last), std::errc()};
    }
    int digits = 0;
    bool simple = false;
    const char* end = decimalEnd(p, last, digits, simple);
    if (end == p) return {first, std::errc::invalid_argument};
    if (simple) {
        const double x = simpleValue(p, end);
        v = negative ? -x : x;
        return {end, std::errc()};
    }
    const std::string text(first, end);
    errno = 0;
    const double x = std::strtod(text.c_str(), nullptr);
    // Out of range is a result that overflowed, or one that underflowed to zero
    // from a number that is not zero; subnormal results are in range.
    const bool zeroInput = text.find_first_of("123456789") >= text.find_first_of("eE");
    if (std::isinf(x) || (x == 0 && !zeroInput)) return {end, std::errc::result_out_of_range};
    v = x;
    return {end, std::errc()};
}

}  // namespace tellvane::charconv_fallback
