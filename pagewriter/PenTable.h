#pragma once
// The pens of the page: a pen number selects a colour and a line width. Numbers
// outside the table draw with pen 0, so a mistyped setting still plots.

#include <cstdint>

#include "platform/PlotDocument.h"

namespace tellvane::pagewriter {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Pen {
    Rgb colour;
    double width;  ///< line width, millimetres on the paper
};

/// How many pens the table holds: numbers 0 to kPenCount - 1.
inline constexpr int kPenCount = 9;

/// The number a pen value selects: an integer as it is, a text by its leading number
/// rounded to the nearest integer (ties to even); beyond 32 bits fails with Overflow.
std::int32_t penNumber(const PlotPen& pen);

/// The pen of a number; a number outside the table gives pen 0.
const Pen& penOf(std::int32_t number);

}  // namespace tellvane::pagewriter
