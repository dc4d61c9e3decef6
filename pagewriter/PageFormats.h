#pragma once
// The recorded page as the bytes of a file, in either format the document writes.

#include <string>
#include <string_view>

#include "pagewriter/DisplayList.h"
#include "pagewriter/PageSetup.h"
#include "pagewriter/Typeface.h"

namespace tellvane::pagewriter {

enum class PageFormat { Pdf, Svg };

/// The format a file name asks for: SVG for the extension .svg (any case), else PDF.
PageFormat formatOf(std::string_view path);

/// The page as a PDF 1.4 file: one page per copy, the texts in one embedded subset
/// of the face with a Unicode map, content compressed, the same bytes for the same
/// page. Throws kOutputFailed when a text holds a character the face lacks.
std::string pdfPage(const DisplayList& page, const PageSetup& setup, const Typeface& face);

/// The page as an SVG file, one page whatever the copies, texts as text elements
/// in the face's family. Throws kOutputFailed as pdfPage does.
std::string svgPage(const DisplayList& page, const PageSetup& setup, const Typeface& face, const std::string& family);

}  // namespace tellvane::pagewriter
