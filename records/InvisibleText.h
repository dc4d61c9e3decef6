#pragma once
// Characters a name or number of a data file may not hold: control characters
// (line breaks included) and characters that show nothing (a byte order mark, a
// no-break space, a zero-width or direction mark), which would make two texts that
// look alike differ, or reach a terminal as an escape sequence.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "records/InputError.h"
#include "records/ShownText.h"

namespace tellvane {

/// Whether the character is a control character (C0, DEL, C1).
constexpr bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

/// Whether the character shows nothing, or nothing but a space of unusual width.
constexpr bool isInvisible(char32_t c) {
    return c == 0xA0 || c == 0xAD || c == 0x34F || c == 0x61C || c == 0x115F || c == 0x1160 || c == 0x17B4 ||
           c == 0x17B5 || c == 0x180E || (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x205F && c <= 0x206F) || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF ||
           (c >= 0xFFF0 && c <= 0xFFFB);
}

/// The first control or invisible character of the text, if any.
inline std::optional<char32_t> firstUnfitCharacter(std::u16string_view text) {
    for (const char16_t c : text)
        if (isControl(c) || isInvisible(c)) return c;  // none of them is a surrogate
    return std::nullopt;
}

/// Fails at the place when the text (what names it: "the station number") holds a
/// control or invisible character; the message shows the text escaped.
inline void checkVisibleText(std::u16string_view text, const std::string& what, const InputPlace& place) {
    const auto unfit = firstUnfitCharacter(text);
    if (!unfit) return;
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*unfit));
    throw place.error(what + " " + shownText(text) + " holds " + code + ", " +
                      (*unfit == 0xFEFF ? "a byte order mark (files joined?), " : "") +
                      "a control or invisible character, which it may not hold");
}

}  // namespace tellvane
