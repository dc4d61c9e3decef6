#include "comparechart/ValueAxis.h"

#include <cmath>

#include "common/RealCheck.h"

namespace tellvane {

int ValueAxis::steps() const { return static_cast<int>(std::lround((high - low) / step)); }

ValueAxis valueAxis(std::optional<double> lowest, std::optional<double> highest) {
    if (!lowest || !highest) return {};
    double lo = *lowest, hi = *highest;
    if (hi <= lo) {  // one value: a unit around it, a tenth of it for large values
        const double pad = std::max(1.0, std::abs(lo) / 10);
        lo -= pad / 2;
        hi += pad / 2;
    }
    // The smallest nice step of at least an eighth of the range: the next nice step
    // is at most twice as large, so the range takes four to eight steps, and whole
    // steps at both ends add at most two.
    const double raw = finite((hi - lo) / 8);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * decade;
    for (const double m : {1.0, 2.0, 2.5, 5.0})
        if (m * decade >= raw) {
            step = m * decade;
            break;
        }
    ValueAxis axis{std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
    if (axis.high <= axis.low) axis.high = axis.low + step;
    return axis;
}

}  // namespace tellvane
