#include "plot/PageGeometry.h"

#include "common/RealCheck.h"
#include "common/Text.h"

namespace tellvane {

PageGeometry::PageGeometry(const ChartSource& source) : source_(source) {
    ValueStep_ = finite(finite(leadingNumber(source.txtMax()) - Vmin()) / 4);
    MajorStep_ = kPlotHeight / 4;
    MonthWidth_ = kPlotWidth / 12;
}

double PageGeometry::Vmin() const { return leadingNumber(source_.txtMin()); }

double PageGeometry::y(double v) const {
    return finite(divide(finite(finite(v - Vmin()) * MajorStep_), ValueStep_) + kPlotBottom);
}

double PageGeometry::x(int m, int d) const { return kPlotLeft + (m - 1) * MonthWidth_ + (d - 1) * MonthWidth_ / 31; }

double PageGeometry::x(long long n) const { return static_cast<double>(n) * MonthWidth_ / 31 + kPlotLeft; }

}  // namespace tellvane
