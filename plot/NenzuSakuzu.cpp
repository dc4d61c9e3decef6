#include "plot/NenzuSakuzu.h"

#include "common/Error.h"

namespace tellvane {

// Placeholder until the plotted page lands in this directory.
void NenzuSakuzu(ChartSource&, const Platform&) { throw Error(1000, "The plotted page is not built yet"); }

}  // namespace tellvane
