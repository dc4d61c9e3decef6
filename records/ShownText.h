#pragma once
// Text from a data file as a message shows it: quoted, with control characters
// escaped so that a NUL or a line break cannot cut or break the message, and
// shortened when long so that one bad cell cannot flood a terminal.

#include <string>
#include <string_view>

namespace tellvane {

/// The bytes between single quotes: control bytes (below U+0020, and U+007F) as
/// \xNN, other control and invisible characters (InvisibleText.h) as U+NNNN, a
/// quote or backslash escaped, bytes that are not UTF-8 as \xNN, and after 40
/// characters "..." with the length of the whole.
std::string shownText(std::string_view bytes);

/// The same for text the reader has already decoded.
std::string shownText(std::u16string_view text);

/// A name from a file (a station number, say) as a message shows it: escaped and
/// shortened as above, without the quotes.
std::string shownName(std::u16string_view text);

}  // namespace tellvane
