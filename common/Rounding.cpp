#include "common/Rounding.h"

#include <cmath>

#include "common/RealCheck.h"

namespace tellvane {
namespace {

double nudgedRound(double x, double nudge, double scale) {
    const double s = x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
    const double y = finite(s * nudge + x);
    return finite(std::nearbyint(finite(y * scale)) / scale);
}

}  // namespace

double Round2(double x) { return nudgedRound(x, 0.0001, 100.0); }
double Round1(double x) { return nudgedRound(x, 0.001, 10.0); }

}  // namespace tellvane
