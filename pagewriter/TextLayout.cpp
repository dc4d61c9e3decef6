#include "pagewriter/TextLayout.h"

#include <cmath>
#include <optional>
#include <utility>

#include "common/Error.h"
#include "common/Text.h"
#include "pagewriter/PageErrors.h"
#include "pagewriter/PdfNumbers.h"

namespace tellvane::pagewriter {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::u32string codePointsOrFail(const std::u16string& text) {
    std::optional<std::u32string> points = codePointsOf(text);
    if (!points) throw Error(kOutputFailed, "the text \"" + toUtf8(text) + "\" holds a broken UTF-16 sequence");
    return std::move(*points);
}

[[noreturn]] void noGlyph(const TextOp& text, char32_t c, const Typeface& face) {
    std::string code = "U+";
    appendHex(code, static_cast<std::uint32_t>(c), c > 0xFFFF ? 6 : 4);
    const std::u16string shown = c > 0xFFFF ? std::u16string(text.text) : std::u16string(1, static_cast<char16_t>(c));
    throw Error(kOutputFailed, "the typeface " + face.path() + " has no glyph for " + code +
                                   (c >= 0x20 && c <= 0xFFFF ? " \"" + toUtf8(shown) + "\"" : std::string()) +
                                   " in the text \"" + toUtf8(text.text) + "\"");
}

// Quarter turns exactly, so that the common rotations give the same bytes wherever
// the sine and cosine of the platform's library differ in the last place.
void turn(double degrees, double& cosine, double& sine) {
    const double quarters = degrees / 90.0;
    if (quarters == std::floor(quarters) && std::fabs(quarters) < 1e9) {
        static constexpr double kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
        const auto q = static_cast<std::size_t>(((static_cast<long long>(quarters) % 4) + 4) % 4);
        cosine = kCos[q];
        sine = kSin[q];
        return;
    }
    const double radians = std::fmod(degrees, 360.0) * kPi / 180.0;
    cosine = std::cos(radians);
    sine = std::sin(radians);
}

}  // namespace

Vec2 onSheet(Vec2 page, const PageSetup& setup) {
    const Vec2 origin = setup.origin();
    return {origin.x + page.x * setup.unitLength(), origin.y + page.y * setup.unitLength()};
}

TextRun layOut(const TextOp& text, const PageSetup& setup, const Typeface& face) {
    TextRun run;
    run.codePoints = codePointsOrFail(text.text);
    const FaceMetrics& m = face.metrics();
    long long units = 0;
    for (const char32_t c : run.codePoints) {
        const auto glyph = face.glyph(c);
        if (!glyph) noGlyph(text, c, face);
        run.glyphs.push_back(*glyph);
        units += face.advance(*glyph);
    }
    const double em = m.unitsPerEm;
    run.advance = static_cast<double>(units) / em;
    // The character box is one em tall with its top at the face's ascent, so a
    // full-width character fills it; the anchor picks the box's point that lies at
    // the anchor point.
    const double bx = -(text.anchor % 3) * run.advance / 2.0;
    const double by = 1.0 - m.ascender / em - (text.anchor / 3) * 0.5;
    const double unit = text.millimetres ? 1.0 : setup.unitLength();
    const double sx = text.width * unit, sy = text.height * unit;
    double cosine = 1, sine = 0;
    turn(text.rotation, cosine, sine);
    const Vec2 at = onSheet(text.at, setup);
    run.box = {sx * cosine, sx * sine, -sy * sine, sy * cosine, at.x, at.y};
    run.baseline = {bx, by};
    const Affine& b = run.box;
    run.toSheet = {b.a, b.b, b.c, b.d, b.e + b.a * bx + b.c * by, b.f + b.b * bx + b.d * by};
    return run;
}

}  // namespace tellvane::pagewriter
