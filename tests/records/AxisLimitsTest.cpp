#include <gtest/gtest.h>

#include "records/AxisLimits.h"

namespace tellvane {
namespace {

using P = LimitProblem;

struct LimitsCase {
    const char* upper;
    const char* lower;
    P upperProblem;
    P lowerProblem;
};

// What users type by mistake, and what the control would otherwise chart: a text
// it reads as 0 or as its leading digits, full-width digits, limits the wrong way
// round, and numbers that would fill the axis with their digits.
TEST(AxisLimits, RefusesWhatTheReadingsCouldNotHoldAndKeepsTheRest) {
    const LimitsCase cases[] = {
        {"10", "0", P::None, P::None},
        {" 2.5 ", "-1.25", P::None, P::None},
        {"1e3", "-5E-1", P::None, P::None},
        {"999999999", "-999999999", P::None, P::None},
        {"abc", "0", P::NotANumber, P::None},
        {"1,5", "0", P::NotANumber, P::None},
        {"5", "", P::None, P::NotANumber},
        {"", "", P::NotANumber, P::NotANumber},
        {"\xEF\xBC\x91\xEF\xBC\x90", "0", P::NotANumber, P::None},  // full-width 10
        {"0x10", "0", P::NotANumber, P::None},
        {"inf", "0", P::NotANumber, P::None},
        {"nan", "0", P::NotANumber, P::None},
        {".", "0", P::NotANumber, P::None},
        {"1e300", "0", P::TooLarge, P::None},
        {"10", "-1e9", P::None, P::TooLarge},
        {"1e400", "0", P::TooLarge, P::None},
        {"0", "10", P::NotAboveLower, P::None},
        {"3", "3.0", P::NotAboveLower, P::None},
        {"abc", "1e300", P::NotANumber, P::TooLarge},
    };
    for (const LimitsCase& c : cases) {
        const AxisLimitsCheck check = checkAxisLimits(c.upper, c.lower);
        const std::string row = std::string("upper '") + c.upper + "', lower '" + c.lower + "'";
        EXPECT_EQ(check.upper, c.upperProblem) << row;
        EXPECT_EQ(check.lower, c.lowerProblem) << row;
        EXPECT_EQ(check.ok(), c.upperProblem == P::None && c.lowerProblem == P::None) << row;
    }
}

}  // namespace
}  // namespace tellvane
