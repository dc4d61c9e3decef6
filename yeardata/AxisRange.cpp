#include "yeardata/AxisRange.h"

#include <cmath>

#include "common/RealCheck.h"

namespace tellvane {
namespace {

bool whole(double x) { return x == std::floor(x); }

}  // namespace

AxisRange axisRange(bool haveData, double yMin, double yMax) {
    if (!haveData) return {2.0, 0.0};
    double lo = 0.0, hi = 0.0;
    if (finite(yMax - yMin) > 10) {
        lo = std::floor(yMin);
        hi = std::floor(yMax) + 1;
        // Only a small positive limit snaps to 0: a stage below its datum keeps
        // its negative limit, so that nothing falls below the frame.
        if (lo >= 0 && lo < 4) lo = 0;
        if (!whole((hi - lo) / 4)) hi = std::floor((hi - lo) / 4 + 1) * 4 + lo;
    } else {
        lo = std::floor(finite(2 * yMin)) / 2;
        hi = std::floor(finite(2 * yMax)) / 2 + 0.5;
        if (lo >= 0 && lo < 2) lo = 0;
        if (!whole((hi - lo) / 2)) hi = std::floor((hi - lo) / 2 + 1) * 2 + lo;
    }
    // Beyond 2^52 the half unit above the maximum is lost to rounding; the range
    // must still not be empty.
    if (!(hi > lo)) hi = std::nextafter(lo, INFINITY);
    return {finite(hi), finite(lo)};
}

}  // namespace tellvane
