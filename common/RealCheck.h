#pragma once
// Floating-point faults surface as run-time errors instead of infinities or NaNs:
// a division by zero fails with Division by zero, any other result that is not
// finite with Overflow.

#include <cmath>

#include "common/Error.h"

namespace tellvane {

/// x itself, or Overflow when it is not finite.
inline double finite(double x) {
    if (!std::isfinite(x)) throw Error::overflow();
    return x;
}

/// x in single precision, failing with Overflow when it does not fit.
inline float single(double x) {
    const float f = static_cast<float>(x);
    if (!std::isfinite(f)) throw Error::overflow();
    return f;
}

/// a / b, failing with Division by zero when b is 0 and Overflow when not finite.
inline double divide(double a, double b) {
    if (b == 0.0) throw Error::divisionByZero();
    return finite(a / b);
}

}  // namespace tellvane
