#pragma once

#include "chartinput/ChartSource.h"
#include "platform/Platform.h"

namespace tellvane {

/// Draws the chart as a vector page into a new plot document with the pens of the
/// settings store, hands it to the document's output file in the library's
/// directory, waits for the output to end, and closes the document.
void NenzuSakuzu(ChartSource& source, const Platform& platform);

}  // namespace tellvane
