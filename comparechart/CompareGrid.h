#pragma once
// The frames of both plots, the value rules across both with their labels, the
// month rules of the daily plot and the rank rules of the duration plot.

#include "comparechart/CompareLayout.h"

namespace tellvane {

/// The value rules: solid and labelled at every step, dotted between (five to a
/// step when they stand far enough apart, else two, else none).
void drawValueRules(ComparePainter& painter, const CompareLayout& layout);

/// Month edges solid, the 11th and 21st dotted, the months' labels below.
void drawMonthRules(ComparePainter& painter, const CompareLayout& layout);

/// Dotted rules at the 95th, 185th, 275th and 355th day, where the characteristic
/// values are read, with their numbers below.
void drawRankRules(ComparePainter& painter, const CompareLayout& layout);

void drawFrames(ComparePainter& painter, const CompareLayout& layout);

}  // namespace tellvane
