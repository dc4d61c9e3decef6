#pragma once
// What the yearbook's table pages share: cells' texts, rules and the page's
// frame of header block and title, as the plotted page draws them.

#include <optional>
#include <string>

#include "plot/PageCaptions.h"
#include "plot/PageDrawing.h"
#include "plot/PlotPens.h"
#include "records/CivilDate.h"

namespace tellvane {

/// Sets the document up as the plotted page and draws its header block and the
/// title (DrawTitle, TytlePen) where the plotted page has them; returns the pens.
GridPens drawTablePageFrame(PlotDocument& doc, const PageHeader& header, const std::u16string& title,
                            SettingsStore& settings);

/// A value in two-decimal form, "" when absent.
std::u16string cellValue(const std::optional<double>& v);
/// "7/15" for a date, "" when absent.
std::u16string monthDay(const std::optional<CivilDate>& date);

/// A box's four sides.
void drawBox(PlotDocument& doc, double left, double bottom, double right, double top, Int16 pen);

/// A text in a cell whose floor is y: right-aligned at x (anchor right, bottom).
inline void rightText(PlotDocument& doc, double x, double y, const std::u16string& text, double size, Int16 pen) {
    if (!text.empty()) pageText(doc, x, y, text, size, pen, 1, kAnchorRightBottom);
}
/// A text centred on x over y.
inline void centreText(PlotDocument& doc, double x, double y, const std::u16string& text, double size, Int16 pen) {
    if (!text.empty()) pageText(doc, x, y, text, size, pen, 1, kAnchorCentreBottom);
}

/// The unit of the values: "m³/s" for discharge, "m" for water levels.
std::u16string valueUnit(const std::u16string& mode);

}  // namespace tellvane
