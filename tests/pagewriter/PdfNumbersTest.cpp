// Numbers in the page files: the same text on every platform, rounded as stated.
#include <gtest/gtest.h>

#include "pagewriter/PdfNumbers.h"

namespace tellvane::pagewriter::test {
namespace {

TEST(PdfNumbers, FixedDecimalsRoundHalvesAwayFromZeroAndDropTrailingZeros) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0.0, 3, "0"},
        {-0.0, 3, "0"},
        {-0.0004, 3, "0"},
        {1.0, 4, "1"},
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {0.125, 2, "0.13"},
        {1190.55, 3, "1190.55"},
        {-0.05, 1, "-0.1"},
        {0.862745098, 6, "0.862745"},
        {12.3456789, 4, "12.3457"},
        {0.001, 3, "0.001"},
        {-123456.7, 0, "-123457"},
        {29791.66666667, 4, "29791.6667"},
        {0.0283464567, 6, "0.028346"},
        {100.0, 2, "100"},
        {1e-7, 6, "0"},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        appendFixed(out, c.value, c.decimals);
        EXPECT_EQ(out, std::string("x") + c.text) << c.value << " to " << c.decimals;
    }
}

TEST(PdfNumbers, IntegersAndHexDigits) {
    std::string out;
    appendInteger(out, 0);
    out += ' ';
    appendInteger(out, -9223372036854775807LL - 1);
    out += ' ';
    appendHex(out, 0x3042, 4);
    out += ' ';
    appendHex(out, 0x1F600, 6);
    out += ' ';
    appendHex(out, 0xABCDE, 4);
    EXPECT_EQ(out, "0 -9223372036854775808 3042 01F600 BCDE");
}

}  // namespace
}  // namespace tellvane::pagewriter::test
