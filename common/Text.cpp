#include "common/Text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "common/CheckedInt.h"
#include "common/Error.h"

namespace tellvane {
namespace {

bool isBlankUnit(char16_t c) { return c == u' ' || c == u'\t'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The longest prefix of text (from pos) that forms a number; returns its end, or pos
// when there is none. The number's ASCII spelling goes to out.
std::size_t scanNumber(std::u16string_view text, std::size_t pos, std::string& out) {
    std::size_t i = pos;
    out.clear();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') out += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) out += static_cast<char>(text[i++]), ++digits;
    if (i < text.size() && text[i] == u'.') {
        std::size_t j = i + 1;
        std::string frac = ".";
        while (j < text.size() && isDigit(text[j])) frac += static_cast<char>(text[j++]), ++digits;
        if (digits > 0) out += frac, i = j;
    }
    if (digits == 0) return pos;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) exp += static_cast<char>(text[j++]);
        const std::size_t first = j;
        while (j < text.size() && isDigit(text[j])) exp += static_cast<char>(text[j++]);
        if (j > first) out += exp, i = j;
    }
    return i;
}

locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

double toDouble(const std::string& spelling) {
    errno = 0;
    const double v = strtod_l(spelling.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(v)) throw Error::overflow();
    return v;  // an underflow reads as the nearest tiny value or 0
}

std::size_t skipBlanks(std::u16string_view text, std::size_t i) {
    while (i < text.size() && isBlankUnit(text[i])) ++i;
    return i;
}

std::u16string ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

}  // namespace

double leadingNumber(std::u16string_view text) {
    std::string spelling;
    const std::size_t start = skipBlanks(text, 0);
    if (scanNumber(text, start, spelling) == start) return 0.0;
    return toDouble(spelling);
}

std::int32_t wholeNumber(std::u16string_view text) {
    std::string spelling;
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t end = scanNumber(text, start, spelling);
    if (end == start || skipBlanks(text, end) != text.size()) throw Error::typeMismatch();
    return Int32::fromReal(toDouble(spelling)).value();
}

bool isBlank(std::u16string_view text) { return skipBlanks(text, 0) == text.size(); }

std::u16string twoDecimal(double x) {
    if (!std::isfinite(x)) throw Error::overflow();
    char buf[400];
    // Exact halves are the only case where printf's ties-to-even differs from the
    // wanted halves-away-from-zero; they are exactly the values with x * 1000 an
    // integer ending in 5, which fma detects without rounding error.
    const double thousandths = std::nearbyint(x * 1000.0);
    const bool exactHalf = std::fabs(thousandths) < 9e15 && std::fma(x, 1000.0, -thousandths) == 0.0 &&
                           std::fmod(std::fabs(thousandths), 10.0) == 5.0;
    if (exactHalf) {
        const double hundredths = (thousandths + (x < 0 ? -5.0 : 5.0)) / 10.0;  // exact integer
        std::snprintf(buf, sizeof buf, "%.0f", std::fabs(hundredths));
        std::string digits = buf;
        while (digits.size() < 3) digits.insert(digits.begin(), '0');
        std::string s = (x < 0 ? "-" : "") + digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
        return ascii(s);
    }
    std::snprintf(buf, sizeof buf, "%.2f", x);
    std::string s = buf;
    if (s == "-0.00") s = "0.00";
    return ascii(s);
}

std::u16string plainDecimal(double x) {
    if (x == 0.0) return u"0";
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
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
                if ((d & 0xC0) != 0x80) { ok = false; break; }
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

}  // namespace tellvane
