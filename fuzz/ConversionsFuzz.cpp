// The number and text conversions every part of the control shares, each against
// an independent reference: the C library's strtod on the prefix a regular
// expression of the number grammar matches, the exact decimal expansion that
// printf gives of a double, and glibc's iconv for UTF-8 and UTF-16. A difference
// aborts with both results.

#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "common/Error.h"
#include "common/Text.h"

namespace {

using namespace tellvane;

[[noreturn]] void differ(const char* what, const std::string& input, const std::string& got,
                         const std::string& expected) {
    std::fprintf(stderr, "%s of [%s]: got [%s], expected [%s]\n", what, input.c_str(), got.c_str(), expected.c_str());
    std::abort();
}

// The outcome of a conversion: its text, or the number of the error it raised.
struct Outcome {
    std::string text;
    int error = 0;
    bool operator==(const Outcome&) const = default;
    std::string shown() const { return error ? "error " + std::to_string(error) : text; }
};

template <typename F>
Outcome outcomeOf(F&& f) {
    try {
        return {f(), 0};
    } catch (const Error& e) {
        return {{}, e.number()};
    }
}

std::string bitsOf(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", x);
    return buf;
}

// Non-ASCII units cannot belong to a number; '\x01' stands for them.
std::string narrowed(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '\x01';
    return out;
}

const std::regex& numberAtStart() {
    static const std::regex r(R"(^[ \t]*([+-]?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))");
    return r;
}

// strtod of the matched number: its value, or Overflow when it lies beyond a double.
Outcome strtodOf(const std::string& number) {
    errno = 0;
    const double v = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(v)) return {{}, kOverflow};
    return {bitsOf(v), 0};
}

void checkLeadingNumber(std::u16string_view text) {
    const std::string ascii = narrowed(text);
    std::smatch m;
    const Outcome expected = std::regex_search(ascii, m, numberAtStart()) ? strtodOf(m[1].str()) : Outcome{bitsOf(0.0)};
    const Outcome got = outcomeOf([&] { return bitsOf(leadingNumber(text)); });
    if (!(got == expected)) differ("leadingNumber", ascii, got.shown(), expected.shown());
}

void checkWholeNumber(std::u16string_view text) {
    const std::string ascii = narrowed(text);
    std::smatch m;
    Outcome expected{{}, kTypeMismatch};
    if (std::regex_search(ascii, m, numberAtStart()) &&
        ascii.find_first_not_of(" \t", static_cast<std::size_t>(m.length(0))) == std::string::npos) {
        expected = strtodOf(m[1].str());
        if (!expected.error) {
            const double r = std::nearbyint(std::strtod(m[1].str().c_str(), nullptr));  // ties to even
            if (r >= -2147483648.0 && r <= 2147483647.0)
                expected.text = std::to_string(static_cast<std::int32_t>(r));
            else
                expected = {{}, kOverflow};
        }
    }
    const Outcome got = outcomeOf([&] { return std::to_string(wholeNumber(text)); });
    if (!(got == expected)) differ("wholeNumber", ascii, got.shown(), expected.shown());
}

// The exact expansion of x to 1100 decimals (every double has at most 1074), rounded
// to hundredths by its third decimal: 5 or more is at least half, away from zero.
std::string twoDecimalReference(double x) {
    static char buf[1500];
    std::snprintf(buf, sizeof buf, "%.1100f", std::fabs(x));
    std::string s(buf);
    const std::size_t point = s.find('.');
    const bool up = s[point + 3] >= '5';
    s.resize(point + 3);
    if (up) {
        std::size_t i = s.size();
        while (i-- > 0) {
            if (s[i] == '.') continue;
            if (s[i] != '9') {
                ++s[i];
                break;
            }
            s[i] = '0';
            if (i == 0) s.insert(s.begin(), '1');
        }
    }
    const bool zero = s.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(x) && !zero ? "-" : "") + s;
}

void checkDoubleForms(double x) {
    const Outcome expected = std::isfinite(x) ? Outcome{twoDecimalReference(x)} : Outcome{{}, kOverflow};
    const Outcome got = outcomeOf([&] { return toUtf8(twoDecimal(x)); });
    if (!(got == expected)) differ("twoDecimal", bitsOf(x), got.shown(), expected.shown());

    if (!std::isfinite(x)) return;
    // The shortest fixed form: reads back as x, no exponent, no trailing zeros.
    const std::string plain = toUtf8(plainDecimal(x));
    const bool wellFormed = plain.find_first_not_of("-0123456789.") == std::string::npos &&
                            (plain.find('.') == std::string::npos || (plain.back() != '0' && plain.back() != '.'));
    if (!wellFormed || std::strtod(plain.c_str(), nullptr) != x) differ("plainDecimal", bitsOf(x), plain, "");
}

// iconv's conversion of the bytes, or nullopt when it finds them ill-formed.
std::optional<std::string> iconvOf(const char* to, const char* from, std::string_view in) {
    const iconv_t cd = iconv_open(to, from);
    std::string out(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    char* dst = out.data();
    std::size_t srcLeft = in.size(), dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || srcLeft != 0) return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

std::string unitsAsBytes(std::u16string_view s) {
    std::string out;
    for (const char16_t c : s) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}

void checkUtf8(std::string_view bytes) {
    const std::u16string units = fromUtf8(bytes);
    const std::string asBytes = unitsAsBytes(units);
    const auto reference = iconvOf("UTF-16LE", "UTF-8", bytes);
    if (reference && *reference != asBytes) differ("fromUtf8", std::string(bytes), "", "");
    // Ill-formed input still gives well-formed UTF-16 that survives the way back.
    const auto back = iconvOf("UTF-8", "UTF-16LE", asBytes);
    if (!back || *back != toUtf8(units)) differ("toUtf8 of fromUtf8", std::string(bytes), "", "");
    if (!reference && units.find(u'\uFFFD') == std::u16string::npos)
        differ("fromUtf8 replacement", std::string(bytes), "", "");
}

void checkUtf16(std::u16string_view units) {
    const std::string utf8 = toUtf8(units);
    const auto reference = iconvOf("UTF-8", "UTF-16LE", unitsAsBytes(units));
    if (reference && *reference != utf8) differ("toUtf8", utf8, "", *reference);
    if (!iconvOf("UTF-16LE", "UTF-8", utf8)) differ("toUtf8 well-formed", utf8, "", "");
}

void checkFullWidth(std::u16string_view units) {
    const std::u16string wide = fullWidth(units);
    if (wide.size() != units.size()) differ("fullWidth size", narrowed(units), "", "");
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        const char16_t want = c > 0x20 && c < 0x7F ? static_cast<char16_t>(0xFF00 + c - 0x20) : c;
        if (wide[i] != want) differ("fullWidth", narrowed(units), "", "");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = fromUtf8(bytes);
    checkLeadingNumber(text);
    checkWholeNumber(text);
    checkUtf8(bytes);

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    checkUtf16(units);
    checkFullWidth(units);

    double x = 0;
    if (size >= sizeof x) {
        std::memcpy(&x, data, sizeof x);
        checkDoubleForms(x);
    }
    // The number the text begins with, in the two forms, reaches the rounding cases
    // that random bits rarely do.
    try {
        checkDoubleForms(leadingNumber(text));
    } catch (const Error&) {
    }
    return 0;
}
