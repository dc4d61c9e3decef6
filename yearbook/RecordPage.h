#pragma once
// The record page of a station-kind (流況表) on a plot document, in the plotted
// page's face, pens and header block: a row a year with the seven values, the dates
// of the maximum and minimum, the runoff for discharge and the days with data, then
// the period's rows. The numbers are the record's (record/).

#include "platform/PlotDocument.h"
#include "platform/SettingsStore.h"
#include "record/StationRecord.h"

namespace tellvane {

/// The control's Mode of the record's kind: "7" discharge, "1" water level.
std::u16string recordMode(const StationRecord& record);

/// Sets the document up as the plotted page and draws the record's table.
void drawRecordPage(PlotDocument& doc, const StationRecord& record, SettingsStore& settings);

}  // namespace tellvane
