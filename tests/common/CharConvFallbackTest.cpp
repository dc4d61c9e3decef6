// The fallback conversions against the standard library's, value for value, where
// the standard library has them.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/CharConvFallback.h"

#if defined(__cpp_lib_to_chars)

namespace tellvane {
namespace {

namespace fb = charconv_fallback;

std::string text(char* first, std::to_chars_result r) {
    return r.ec == std::errc() ? std::string(first, r.ptr) : "<error>";
}

// Every way of writing v both libraries offer, compared; the first few differences
// are reported.
struct Checker {
    int failures = 0;
    long checked = 0;

    void same(const std::string& what, double v, const std::string& expected, const std::string& actual) {
        ++checked;
        if (expected == actual || ++failures > 10) return;
        ADD_FAILURE() << what << " of " << std::bit_cast<std::uint64_t>(v) << " (" << expected << "): got " << actual;
    }

    void writing(double v, std::initializer_list<int> precisions = {}) {
        char a[2000], b[2000];
        same("shortest", v, text(a, std::to_chars(a, a + sizeof a, v)), text(b, fb::shortest(b, b + sizeof b, v)));
        same("fixed", v, text(a, std::to_chars(a, a + sizeof a, v, std::chars_format::fixed)),
             text(b, fb::shortestFixed(b, b + sizeof b, v)));
        for (int p : precisions)
            same("fixed." + std::to_string(p), v,
                 text(a, std::to_chars(a, a + sizeof a, v, std::chars_format::fixed, p)),
                 text(b, fb::fixed(b, b + sizeof b, v, p)));
    }

    void writingFloat(float v) {
        char a[100], b[100];
        same("float", v, text(a, std::to_chars(a, a + sizeof a, v)), text(b, fb::shortest(b, b + sizeof b, v)));
    }

    void reading(const std::string& s) {
        double x = 1.25, y = 1.25;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
        const auto f = fb::parse(s.data(), s.data() + s.size(), y);
        const auto outcome = [&](std::from_chars_result res, double v) {
            if (res.ec == std::errc::invalid_argument) return std::string("invalid");
            const std::string tail = " +" + std::to_string(res.ptr - s.data());
            if (res.ec == std::errc::result_out_of_range) return "range" + tail;
            return std::to_string(std::bit_cast<std::uint64_t>(v)) + tail;
        };
        same("reading '" + s + "'", 0, outcome(r, x), outcome(f, y));
    }

    // v written as the standard library does and as printf's %.17g does, read back.
    void readingOf(double v) {
        char a[64];
        reading(text(a, std::to_chars(a, a + sizeof a, v)));
        std::snprintf(a, sizeof a, "%.17g", v);
        reading(a);
    }
};

double fromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

TEST(CharConvFallback, AgreesOnRandomBitPatterns) {
    std::mt19937_64 random(20261208);
    Checker check;
    for (int i = 0; i < 400'000; ++i) {
        const double v = fromBits(random());
        check.writing(v);
        if (std::isfinite(v)) check.readingOf(v);
    }
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, AgreesOnPowersOfTwoAndTenAndTheirNeighbours) {
    Checker check;
    const auto around = [&](double v) {
        for (double x : {std::nextafter(v, 0.0), v, std::nextafter(v, HUGE_VAL)})
            for (double s : {x, -x}) {
                check.writing(s, {0, 1, 2, 3, 17});
                check.readingOf(s);
            }
    };
    for (int e = -1074; e <= 1023; ++e) around(std::ldexp(1.0, e));
    for (int e = -323; e <= 308; ++e) {
        around(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
        check.reading("1e" + std::to_string(e));
    }
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, AgreesOnSubnormals) {
    std::mt19937_64 random(7);
    Checker check;
    for (int i = 0; i < 100'000; ++i) {
        const double v = fromBits(random() & ((std::uint64_t{1} << 52) - 1));
        check.writing(v, {2, 400});
        check.readingOf(v);
    }
    for (const char* s : {"4e-324", "2e-324", "2.4703282292062328e-324", "1e-400", "-1e-400", "0e-999", "1e400",
                          "-1e400", "1.7976931348623158e308", "1.7976931348623159e308"})
        check.reading(s);
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, AgreesOnChartSizedValues) {
    Checker check;
    for (long k = -100'000; k <= 100'000; ++k) {
        const double hundredths = static_cast<double>(k) / 100;
        check.writing(hundredths, {0, 1, 2, 3});
        check.writing(static_cast<double>(k) / 8 + 0.001, {2, 3});
        char a[32];
        std::snprintf(a, sizeof a, "%.2f", hundredths);
        check.reading(a);
    }
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> metres(-50, 5000);
    for (int i = 0; i < 100'000; ++i) {
        const double v = metres(random);
        check.writing(v, {2, 3});
        check.readingOf(v);
    }
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, AgreesOnFloats) {
    std::mt19937 random(3);
    Checker check;
    for (int i = 0; i < 500'000; ++i) check.writingFloat(std::bit_cast<float>(static_cast<std::uint32_t>(random())));
    for (int e = -149; e <= 127; ++e) check.writingFloat(std::ldexp(1.0f, e));
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, ReadsTheSameTextsAsTheStandardLibrary) {
    Checker check;
    for (const char* s : {"",
                          "-",
                          "+1",
                          " 1",
                          "1",
                          "-0",
                          "0.",
                          ".5",
                          "-.5",
                          ".",
                          "1e",
                          "1e+",
                          "1e+5x",
                          "1.5E-3",
                          "00012.50",
                          "inf",
                          "-INF",
                          "infinity",
                          "infinit",
                          "nan",
                          "NaN(abc_1)",
                          "nan(",
                          "nan()x",
                          "0x1p3",
                          "1,5",
                          "123456789012345678901234567890",
                          "0.000000000000000000000000000001",
                          "12.345678901234567",
                          "9007199254740993",
                          "-9999.00"})
        check.reading(s);
    EXPECT_EQ(check.failures, 0) << "of " << check.checked;
}

TEST(CharConvFallback, ReportsATooSmallBuffer) {
    char small[4];
    EXPECT_EQ(fb::shortest(small, small + sizeof small, 12345.5).ec, std::errc::value_too_large);
    EXPECT_EQ(fb::fixed(small, small + sizeof small, 1.0, 3).ec, std::errc::value_too_large);
    EXPECT_EQ(fb::shortestFixed(small, small + sizeof small, 1e10).ec, std::errc::value_too_large);
}

}  // namespace
}  // namespace tellvane

#endif
