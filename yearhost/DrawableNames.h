#pragma once
// A station's names are drawn on the chart and the page in the system's face. A
// character the face lacks would fail the page with the face's complaint; said
// before anything is drawn, it names the catalogue row or the file header that
// brought it, as any other bad input is named.

#include "records/StationRecords.h"

namespace tellvane {

/// Fails with InputError at names.from when the chart's face has no glyph for a
/// character of the names. Names no file gave, and a face that cannot be read (the
/// page writer says so itself), pass.
void checkNamesDrawable(const StationNames& names);

}  // namespace tellvane
