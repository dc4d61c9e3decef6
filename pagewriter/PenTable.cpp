#include "pagewriter/PenTable.h"

#include <array>

#include "common/CheckedInt.h"
#include "common/Text.h"

namespace tellvane::pagewriter {

namespace {

const std::array<Pen, kPenCount> kPens{{
    {{0, 0, 0}, 0.18},        // 0 default: thin black
    {{0, 0, 0}, 0.50},        // 1 medium black
    {{220, 0, 0}, 0.35},      // 2 red
    {{0, 0, 220}, 0.35},      // 3 blue
    {{0, 150, 0}, 0.35},      // 4 green
    {{200, 0, 200}, 0.35},    // 5 magenta
    {{230, 120, 0}, 0.35},    // 6 orange
    {{128, 128, 128}, 0.18},  // 7 thin grey
    {{0, 0, 0}, 0.70},        // 8 thick black
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

}  // namespace tellvane::pagewriter
