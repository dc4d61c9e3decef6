#include "apps/tellvane/RasterChart.h"

#include <utility>

namespace tellvane::cli {

RasterChart::RasterChart(ChartSize size, EventPump& events, std::ostream& err, std::u16string libraryDirectory)
    : surface_(QSize(size.width, size.height)),
      headless_(HeadlessParts{surface_, plots_, settings_, events}, err, std::move(libraryDirectory)),
      control_(headless_.platform()) {}

}  // namespace tellvane::cli
