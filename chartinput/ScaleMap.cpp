#include "chartinput/ScaleMap.h"

#include "common/RealCheck.h"

namespace tellvane {

ScaleMap::ScaleMap(double v1, double v2, double p1, double p2)
    : v1_(finite(v1)), v2_(finite(v2)), p1_(finite(p1)), p2_(finite(p2)), ratio_(divide(p2 - p1, v2 - v1)) {}

double ScaleMap::toDevice(double v) const { return finite(p1_ + finite(v - v1_) * ratio_); }

double ScaleMap::toValue(double p) const { return finite(v1_ + divide(finite(p - p1_), ratio_)); }

}  // namespace tellvane
