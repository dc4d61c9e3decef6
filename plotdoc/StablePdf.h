#pragma once
// A PDF writer stamps each file with the time it was made (and may add an identifier
// of its own); the same page must still give the same bytes.

#include <QByteArray>

namespace tellvane::plotdoc {

/// The PDF as the same page always gives it, whatever the time and time zone: its
/// creation and modification dates set to 2000-01-01 00:00:00 UTC and its file
/// identifier, when it has one, derived from its contents. Also mends two slips of
/// the writer in the fonts: the base names of subset fonts get their subset tag, and
/// the space glyph maps back to a space rather than a tab. The cross-reference
/// offsets follow every change in length.
QByteArray stablePdf(QByteArray pdf);

}  // namespace tellvane::plotdoc
