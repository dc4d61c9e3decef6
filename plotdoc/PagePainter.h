#pragma once
// Paints a recorded page with a QPainter, the same for every file format: the device
// only tells how many of its units make a millimetre.

#include <QPainter>

#include "plotdoc/DisplayList.h"
#include "plotdoc/PageSetup.h"

namespace tellvane::plotdoc {

/// Paints the page on a painter whose origin is the sheet's upper-left corner, y
/// downward, with perMillimetre device units to the millimetre.
void paintPage(QPainter& painter, const DisplayList& page, const PageSetup& setup, double perMillimetre);

}  // namespace tellvane::plotdoc
