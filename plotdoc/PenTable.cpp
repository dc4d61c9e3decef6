#include "plotdoc/PenTable.h"

#include <array>

#include "common/CheckedInt.h"
#include "common/Text.h"

namespace tellvane::plotdoc {

namespace {

const std::array<Pen, kPenCount> kPens{{
    {QColor(0, 0, 0), 0.18},        // 0 default: thin black
    {QColor(0, 0, 0), 0.50},        // 1 medium black
    {QColor(220, 0, 0), 0.35},      // 2 red
    {QColor(0, 0, 220), 0.35},      // 3 blue
    {QColor(0, 150, 0), 0.35},      // 4 green
    {QColor(200, 0, 200), 0.35},    // 5 magenta
    {QColor(230, 120, 0), 0.35},    // 6 orange
    {QColor(128, 128, 128), 0.18},  // 7 thin grey
    {QColor(0, 0, 0), 0.70},        // 8 thick black
}};

}  // namespace

std::int32_t penNumber(const PlotPen& pen) {
    if (const auto* number = std::get_if<std::int32_t>(&pen)) return *number;
    return Int32::fromReal(leadingNumber(std::get<std::u16string>(pen))).value();
}

const Pen& penOf(std::int32_t number) {
    if (number < 0 || number >= kPenCount) return kPens[0];
    return kPens[static_cast<std::size_t>(number)];
}

}  // namespace tellvane::plotdoc
