#include "qt/NoPlotDocuments.h"

#include "common/Error.h"
#include "qt/QtErrors.h"

namespace tellvane {

std::unique_ptr<PlotDocument> NoPlotDocuments::create() {
    throw Error(kCannotCreateComponent,
                "Cannot create the plot document component: the control was given no plot document factory");
}

}  // namespace tellvane
