#pragma once
// The one compressor of the page files. Kept behind this function so that a build
// for another platform can supply its own; the same bytes on every platform need
// the same zlib release there.

#include <string>
#include <string_view>

namespace tellvane::pagewriter {

/// The bytes as a zlib stream (RFC 1950), as a PDF's FlateDecode filter reads it.
std::string deflated(std::string_view bytes);

}  // namespace tellvane::pagewriter
