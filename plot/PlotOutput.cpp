#include "plot/PlotOutput.h"

#include <iterator>

#include "platform/EventPump.h"
#include "platform/LibraryLocation.h"
#include "platform/Screen.h"

namespace tellvane {

std::u16string plotFilePath(LibraryLocation& library) {
    const std::u16string name(std::begin(kPlotFileName), std::end(kPlotFileName) - 1);
    return library.directory() + kPathSeparator + name;
}

void waitForOutput(PlotDocument& doc, EventPump& events) {
    while (doc.Active() && !doc.Done()) events.processPending();
}

void outputPage(std::unique_ptr<PlotDocument>& doc, const std::u16string& path, const Platform& platform) {
    doc->OutputToFile(path);
    platform.screen.setPointer(MousePointer::Hourglass);
    try {
        waitForOutput(*doc, platform.events);
        doc->CloseDocument();
        doc.reset();
    } catch (...) {
        doc.reset();
        // The host is to see the first failure; a pointer that cannot be reset as well
        // adds nothing to it.
        try {
            platform.screen.setPointer(MousePointer::Default);
        } catch (...) {
        }
        throw;
    }
    platform.screen.setPointer(MousePointer::Default);
}

}  // namespace tellvane
