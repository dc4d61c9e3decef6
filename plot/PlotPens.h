#pragma once
// The page's pens, read from the user's settings (application BRACKENLY, section
// SETTING) with an empty default. Grid and text pens are numbers; the pens of the
// data lines go to the document as the text that is stored.

#include <string>

#include "common/CheckedInt.h"
#include "platform/PlotDocument.h"
#include "platform/SettingsStore.h"

namespace tellvane {

/// The pens of the grid and its texts, read in this order.
struct GridPens {
    Int16 Hougan1Pen;  ///< frame, major value rules, month rules, the statistics box's floor
    Int16 Hougan2Pen;  ///< header cells, minor value rules, ten-day rules
    Int16 MojietcPen;  ///< every text but the title
};

/// The stored text of a pen key, or "" when nothing is stored.
std::u16string readPenText(SettingsStore& settings, const std::u16string& key);

/// A pen key's leading number to the nearest 16-bit integer, ties to even; Overflow beyond.
Int16 readPen16(SettingsStore& settings, const std::u16string& key);

/// A pen key's leading number to the nearest 32-bit integer, ties to even; Overflow beyond.
Int32 readPen32(SettingsStore& settings, const std::u16string& key);

/// Hougan1Pen, Hougan2Pen and MojietcPen.
GridPens readGridPens(SettingsStore& settings);

/// The daily step line's pen text: one from "1" to "6" in code-unit order ("10"
/// included) stands, any other becomes "2".
std::u16string stepLinePen(const std::u16string& pen);

/// A number pen as the document takes it.
inline PlotPen plotPen(Int16 pen) { return PlotPen(std::int32_t{pen.value()}); }
inline PlotPen plotPen(Int32 pen) { return PlotPen(pen.value()); }

}  // namespace tellvane
