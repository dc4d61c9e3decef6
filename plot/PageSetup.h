#pragma once
// The document's set-up before anything is drawn.

#include "platform/PlotDocument.h"

namespace tellvane {

/// The set-up values in the order the document expects them, StartDocument among them.
void setUpDocument(PlotDocument& doc);

}  // namespace tellvane
