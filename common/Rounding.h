#pragma once
// Rounding of reals shared by the aggregates, the statistics and both charts.

namespace tellvane {

/// Two decimals, halves away from zero: a nudge of 0.0001 towards the value's sign,
/// then nearest hundredth with exact ties to even. 2.34495 rounds up to 2.35 too.
double Round2(double x);

/// One decimal, the same form with a nudge of 0.001.
double Round1(double x);

}  // namespace tellvane
