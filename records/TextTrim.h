#pragma once
// Spaces and tabs around a cell are layout, not content.

#include <string_view>

namespace tellvane {

/// The text without the spaces and tabs at either end.
inline std::u16string_view trimBlanks(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace tellvane
