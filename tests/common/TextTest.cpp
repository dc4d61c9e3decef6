#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "common/CharConv.h"
#include "common/Error.h"
#include "common/Text.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

using test::errorOf;

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},        {u"   ", 0}, {u"12.5", 12.5},      {u"  \t-3.25", -3.25}, {u"+7", 7},      {u".5", 0.5},
        {u"-.5", -0.5},  {u"1e", 1},  {u"1e+", 1},          {u"2e3", 2000},        {u"1.5x", 1.5},  {u"1.5e-1z", 0.15},
        {u"abc", 0},     {u"inf", 0}, {u"nan", 0},          {u"１２", 0},          {u"-", 0},       {u".", 0},
        {u"-999", -999}, {u"5.", 5},  {u" 321.52", 321.52}, {u"1e-400", 0},        {u"\u30001", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << toUtf8(c.text);
}

TEST(LeadingNumber, ANumberBeyondADoubleFailsWithOverflow) {
    EXPECT_EQ(errorOf([] { leadingNumber(u"1e400"); }), kOverflow);
    EXPECT_EQ(errorOf([] { leadingNumber(u"-2e308x"); }), kOverflow);
}

TEST(WholeNumber, AcceptsOneNumberWithBlanksAround) {
    struct Case {
        const char16_t* text;
        int value;
    } cases[] = {{u"10", 10}, {u" 11\t", 11}, {u"8.5", 8}, {u"9.5", 10}, {u"-0.5", 0}, {u"1e1", 10}, {u"+3", 3}};
    for (const auto& c : cases) EXPECT_EQ(wholeNumber(c.text), c.value) << toUtf8(c.text);
}

TEST(WholeNumber, RejectsWhatIsNotOneNumber) {
    for (const char16_t* t : {u"", u"  ", u"abc", u"10x", u"1 2", u"1e", u"."})
        EXPECT_EQ(errorOf([&] { wholeNumber(t); }), kTypeMismatch) << toUtf8(t);
    EXPECT_EQ(errorOf([] { wholeNumber(u"3000000000"); }), kOverflow);
}

TEST(TwoDecimal, RoundsTheExactValueWithHalvesAwayFromZero) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {3, "3.00"},
        {0.5, "0.50"},
        {-1.2, "-1.20"},
        {0.125, "0.13"},
        {-0.125, "-0.13"},
        {0.625, "0.63"},
        {2.675, "2.67"},
        {0.1 + 0.2, "0.30"},
        {-0.001, "0.00"},
        {-0.004999, "0.00"},
        {1234.5, "1234.50"},
        {0.005, "0.01"},
        {1.005, "1.00"},
        {12.345, "12.35"},
        {-2.5, "-2.50"},
        {1e13 + 0.125, "10000000000000.13"},
        {-(1e13 + 0.625), "-10000000000000.63"},
        {9.995, "9.99"},
        {99.875, "99.88"},
        {-99.875, "-99.88"},
        {0.375, "0.38"},
        {-9.875, "-9.88"},
        {999.995, "1000.00"},
        {0.004, "0.00"},
        {0, "0.00"},
        {-0.0, "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(twoDecimal(c.value)), c.text) << c.value;
}

// The two-decimal form the slow way: all the exact decimal digits of the value
// (a double has at most 1074 after the point), rounded at the third decimal.
std::string twoDecimalByExactDigits(double x) {
    static char buf[1600];
    const auto r = toCharsFixed(buf, buf + sizeof buf, std::fabs(x), 1100);
    const std::string exact(buf, r.ptr);
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, 2);
    if (exact[point + 3] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return (x < 0 && !zero ? "-" : "") + digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
}

TEST(TwoDecimal, AgreesWithTheExactDigitsAcrossMagnitudes) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-6, 16);
    std::uniform_int_distribution<long long> eighths(-80'000'000'000'000LL, 80'000'000'000'000LL);
    for (int i = 0; i < 20000; ++i) {
        // Random reals of every size around the two-decimal range, exact halves of a
        // hundredth (odd eighths) and their neighbours one unit in the last place away.
        const double real = mantissa(random) * std::pow(10.0, exponent(random));
        const double half = static_cast<double>(eighths(random) | 1) / 8 / std::pow(10.0, i % 4);
        for (double x : {real, half, std::nextafter(half, 0.0), std::nextafter(half, half * 2)})
            ASSERT_EQ(toUtf8(twoDecimal(x)), twoDecimalByExactDigits(x)) << std::hexfloat << x;
    }
}

TEST(LeadingNumber, AgreesWithStrtodOnDecimalTexts) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(1, 20), digit(0, 9), coin(0, 3);
    for (int i = 0; i < 20000; ++i) {
        std::string text = coin(random) == 0 ? "-" : "";
        const int whole = length(random), fraction = coin(random) == 0 ? 0 : length(random);
        for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + digit(random));
        if (fraction > 0) text += '.';
        for (int k = 0; k < fraction; ++k) text += static_cast<char>('0' + digit(random));
        if (coin(random) == 0) text += "e" + std::to_string(digit(random) - 5);
        // Followed by other text, and alone (the one-pass form of a plain number).
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(leadingNumber(fromUtf8(text + "x")), expected) << text;
        ASSERT_EQ(leadingNumber(fromUtf8(text)), expected) << text;
    }
}

TEST(PlainDecimal, WritesTheShortestTextThatReadsBack) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{12.5, "12.5"}, {16, "16"}, {0, "0"}, {-0.0, "0"}, {-1.5, "-1.5"}, {1e20, "100000000000000000000"},
                 {0.1, "0.1"}};
    for (const auto& c : cases) EXPECT_EQ(toUtf8(plainDecimal(c.value)), c.text);
    EXPECT_EQ(toUtf8(plainInteger(-42)), "-42");
}

TEST(FullWidth, MapsPrintableAscii) {
    EXPECT_EQ(fullWidth(u"-12.35"), u"－１２．３５");
    EXPECT_EQ(fullWidth(u"a b~"), u"ａ ｂ～");
}

TEST(Utf8, RoundTripsAndReplacesIllFormedInput) {
    const std::u16string text = u"日水位年図 𠮷 x";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(fromUtf8("\xff"
                       "a\xe3\x81"),
              u"\uFFFDa\uFFFD\uFFFD");
    EXPECT_EQ(fromUtf8("\xc0\xaf"), u"\uFFFD\uFFFD");  // overlong
}

}  // namespace
}  // namespace tellvane
