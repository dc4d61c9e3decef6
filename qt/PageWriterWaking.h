#pragma once
// The page writer as a Qt host hands it to the control: the default typefaces, and
// the event loop of the thread that hands a page over woken when its output ends,
// so that a caller waiting for events while it polls learns of the end at once.

#include "pagewriter/PageWriterOptions.h"

namespace tellvane {

/// The options; the event loop woken is the one of the thread calling OutputToFile,
/// which must outlive the output (the control closes the document before it returns).
pagewriter::PageWriterOptions qtPageWriterOptions();

}  // namespace tellvane
