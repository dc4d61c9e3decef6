#include "screenchart/ChartGeometry.h"

#include "common/RealCheck.h"
#include "common/Text.h"

namespace tellvane {

ChartGeometry::ChartGeometry(const ChartSource& source, DrawingSurface& surface) : source_(source) {
    Yb_ = Int16::fromReal(static_cast<double>(surface.scaleHeight()) - 20);
    Wp_ = Int16::fromReal(static_cast<double>(surface.scaleWidth()) - 40);
    Hp_ = Int16::fromReal(static_cast<double>(surface.scaleHeight()) - 80);
    const double vmax = leadingNumber(source.txtMax());
    Vq_ = finite((vmax - Vmin()) / 4);
    Pq_ = Int16::fromReal(Hp_.real() / 4);
    Pm_ = Int16::fromReal(Wp_.real() / 12);
}

double ChartGeometry::Vmin() const { return leadingNumber(source_.txtMin()); }

double ChartGeometry::y(double v) const { return finite(Yb_.real() - divide(finite(v - Vmin()) * Pq_.real(), Vq_)); }

double ChartGeometry::x(Int32 m, Int32 d) const {
    const Int32 monthStart = widen(kLeft) + (m - 1) * widen(Pm_);
    return monthStart.real() + ((d - 1) * widen(Pm_)).real() / 31;
}

double ChartGeometry::x(Int32 n) const { return kLeft.real() + (n * widen(Pm_)).real() / 31; }

}  // namespace tellvane
