#pragma once
// The recorded page as the bytes of a file, in either format the document writes.

#include <QByteArray>
#include <QString>

#include "plotdoc/DisplayList.h"
#include "plotdoc/PageSetup.h"

namespace tellvane::plotdoc {

enum class PageFormat { Pdf, Svg };

/// The format a file name asks for: SVG for the extension .svg (any case), else PDF.
PageFormat formatOf(const QString& path);

/// The page as a PDF file: one page per copy, texts embedded as font subsets with a
/// Unicode map, and the same bytes for the same page.
QByteArray renderPdf(const DisplayList& page, const PageSetup& setup);

/// The page as an SVG file, one page whatever the copies, texts as text elements.
QByteArray renderSvg(const DisplayList& page, const PageSetup& setup);

}  // namespace tellvane::plotdoc
