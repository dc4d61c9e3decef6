#include "records/ShownText.h"

#include <cstdio>

#include "common/Text.h"
#include "records/InvisibleText.h"

namespace tellvane {
namespace {

constexpr std::size_t kShownCharacters = 40;

// The length of the well-formed UTF-8 sequence at bytes[i], or 0 when there is none.
std::size_t sequenceAt(std::string_view bytes, std::size_t i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > bytes.size()) return 0;
    // fromUtf8 knows the overlong and surrogate forms; one replacement char back
    // means the sequence was not well formed, unless the text was U+FFFD itself.
    const std::string_view sequence = bytes.substr(i, length);
    const std::u16string decoded = fromUtf8(sequence);
    if (decoded.size() != (length == 4 ? 2u : 1u)) return 0;
    if (decoded[0] == u'\uFFFD' && sequence != "\xEF\xBF\xBD") return 0;
    return length;
}

// The code point of a well-formed sequence.
char32_t codePoint(std::string_view sequence) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(sequence[i])); };
    switch (sequence.size()) {
        case 1:
            return b(0);
        case 2:
            return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
        case 3:
            return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
        default:
            return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

std::string codeName(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

std::string escaped(unsigned char c) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", c);
    return text;
}

}  // namespace

std::string shownText(std::string_view bytes) {
    std::string out = "'";
    std::size_t characters = 0, i = 0;
    while (i < bytes.size()) {
        if (characters == kShownCharacters) {
            out += "'... (" + std::to_string(bytes.size()) + " bytes)";
            return out;
        }
        const auto c = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = sequenceAt(bytes, i);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            out += escaped(c);
            i += 1;
        } else if (const char32_t code = codePoint(bytes.substr(i, length)); isControl(code) || isInvisible(code)) {
            out += codeName(code);
            i += length;
        } else {
            if (c == '\'' || c == '\\') out += '\\';
            out += bytes.substr(i, length);
            i += length;
        }
        ++characters;
    }
    return out + "'";
}

std::string shownText(std::u16string_view text) { return shownText(toUtf8(text)); }

std::string shownName(std::u16string_view text) {
    const std::string shown = shownText(text);
    const std::size_t close = shown.rfind('\'');
    return shown.substr(1, close - 1) + shown.substr(close + 1);
}

}  // namespace tellvane
