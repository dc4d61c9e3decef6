#pragma once
// A PDF writer stamps each file with the time it was made (and may add an identifier
// of its own); the same page must still give the same bytes.

#include <QByteArray>

namespace tellvane::plotdoc {

/// The PDF with its creation and modification dates set to 2000-01-01 00:00:00 UTC
/// and a file identifier, when it has one, derived from its contents. Every change
/// keeps the length, so the cross-reference offsets stay valid.
QByteArray stablePdf(QByteArray pdf);

}  // namespace tellvane::plotdoc
