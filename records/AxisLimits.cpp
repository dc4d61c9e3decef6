#include "records/AxisLimits.h"

#include <cmath>
#include <optional>

#include "records/ReadingText.h"

namespace tellvane {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

struct Limit {
    std::optional<double> value;
    LimitProblem problem = LimitProblem::None;
};

Limit limitOf(std::string_view text) {
    const std::optional<double> value = plainDecimalValue(trimmed(text));
    if (!value) return {std::nullopt, LimitProblem::NotANumber};
    if (!(std::fabs(*value) < kLargestReading)) return {std::nullopt, LimitProblem::TooLarge};
    return {value, LimitProblem::None};
}

}  // namespace

AxisLimitsCheck checkAxisLimits(std::string_view upper, std::string_view lower) {
    const Limit max = limitOf(upper), min = limitOf(lower);
    AxisLimitsCheck check{max.problem, min.problem};
    if (max.value && min.value && !(*max.value > *min.value)) check.upper = LimitProblem::NotAboveLower;
    return check;
}

const char* limitProblemText(LimitProblem problem) {
    switch (problem) {
        case LimitProblem::None: return "";
        case LimitProblem::NotANumber: return "not a number";
        case LimitProblem::TooLarge: return "too large";
        case LimitProblem::NotAboveLower: return "not above the lower limit";
    }
    return "";
}

}  // namespace tellvane
