#include "pagewriter/PdfNumbers.h"

#include <cmath>

namespace tellvane::pagewriter {

namespace {

constexpr std::int64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

}  // namespace

void appendInteger(std::string& out, std::int64_t v) {
    char digits[24];
    int n = 0;
    // Counted on the magnitude as unsigned, so the smallest value does not overflow.
    std::uint64_t m = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    do {
        digits[n++] = static_cast<char>('0' + m % 10);
        m /= 10;
    } while (m != 0);
    if (v < 0) out += '-';
    while (n > 0) out += digits[--n];
}

void appendFixed(std::string& out, double v, int decimals) {
    const std::int64_t scale = kPowers[decimals];
    // llround rounds halves away from zero on every platform, unlike a cast.
    const std::int64_t r = std::llround(v * static_cast<double>(scale));
    if (r < 0) out += '-';
    const std::uint64_t m = r < 0 ? 0 - static_cast<std::uint64_t>(r) : static_cast<std::uint64_t>(r);
    appendInteger(out, static_cast<std::int64_t>(m / static_cast<std::uint64_t>(scale)));
    std::uint64_t fraction = m % static_cast<std::uint64_t>(scale);
    if (fraction == 0) return;
    int places = decimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --places;
    }
    out += '.';
    const std::size_t at = out.size();
    out.append(static_cast<std::size_t>(places), '0');
    for (std::size_t i = out.size(); i > at; fraction /= 10) out[--i] = static_cast<char>('0' + fraction % 10);
}

void appendHex(std::string& out, std::uint32_t v, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(v >> shift) & 0xF];
}

}  // namespace tellvane::pagewriter
