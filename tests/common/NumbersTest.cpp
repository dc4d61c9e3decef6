#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "common/CheckedInt.h"
#include "common/Error.h"
#include "common/RealCheck.h"
#include "common/Rounding.h"
#include "common/Table.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

using test::errorOf;

TEST(CheckedInt, FailsWithOverflowInsteadOfWrapping) {
    EXPECT_EQ(errorOf([] { Int16(32767) + Int16(1); }), kOverflow);
    EXPECT_EQ(errorOf([] { Int16(-32768) - Int16(1); }), kOverflow);
    EXPECT_EQ(errorOf([] { Int16(200) * Int16(200); }), kOverflow);
    EXPECT_EQ(errorOf([] { -Int16(-32768); }), kOverflow);
    EXPECT_EQ(errorOf([] { idiv(Int32(INT32_MIN), Int32(-1)); }), kOverflow);
    EXPECT_EQ(errorOf([] { Int32(2147483647) + Int32(1); }), kOverflow);
    EXPECT_EQ(errorOf([] { narrow(Int32(40000)); }), kOverflow);
    EXPECT_EQ(errorOf([] { idiv(Int32(1), Int32(0)); }), kDivisionByZero);
    EXPECT_EQ((Int16(32766) + Int16(1)).value(), 32767);
    EXPECT_EQ(idiv(Int32(-7), Int32(3)).value(), -2);
    EXPECT_EQ(imod(Int32(-7), Int32(3)).value(), -1);
}

TEST(CheckedInt, RealsGoToTheNearestIntegerWithTiesToEven) {
    struct Case {
        double x;
        int v;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {3.5, 4}, {2.4999, 2}, {-0.6, -1}, {32767.4, 32767}};
    for (const auto& c : cases) EXPECT_EQ(Int16::fromReal(c.x).value(), c.v) << c.x;
    for (double x : {32767.5, -32768.6, double(NAN), double(INFINITY), 1e10})
        EXPECT_EQ(errorOf([&] { Int16::fromReal(x); }), kOverflow) << x;
    EXPECT_EQ(Int32::fromReal(-2147483648.4).value(), INT32_MIN);
}

TEST(Table, IndexesFromItsBoundsAndRefusesOthers) {
    Table<int, 0, 7> t;
    t(7) = 3;
    EXPECT_EQ(t(7), 3);
    EXPECT_EQ(errorOf([&] { t(8); }), kSubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { t(-1); }), kSubscriptOutOfRange);

    t(1) = 1, t(2) = 2;
    EXPECT_EQ(t.range(1, 2).size(), 2u);
    EXPECT_EQ(t.range(1, 2)[1], 2);
    EXPECT_TRUE(t.range(1, 0).empty());
    EXPECT_EQ(errorOf([&] { t.range(1, 8); }), kSubscriptOutOfRange);

    Table2<int, 0, 29, 0, 11> block;
    block(1, 1) = 5;  // element 1 + 30 * 1
    EXPECT_EQ(block.element(31), 5);
    EXPECT_EQ(errorOf([&] { block(30, 0); }), kSubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { block(0, 12); }), kSubscriptOutOfRange);
}

TEST(Round2, RoundsHalvesAwayFromZero) {
    struct Case {
        double x, r;
    } cases[] = {{0.125, 0.13},   {-0.125, -0.13}, {2.345, 2.35}, {0, 0},         {2.34495, 2.35},
                 {12.345, 12.35}, {1.505, 1.51},   {2.344, 2.34}, {-7.006, -7.01}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Round2(c.x), c.r) << c.x;
    EXPECT_DOUBLE_EQ(Round1(0.25), 0.3);
    EXPECT_DOUBLE_EQ(Round1(-0.25), -0.3);
    EXPECT_DOUBLE_EQ(Round1(0.2495), 0.3);
    EXPECT_EQ(errorOf([] { Round2(1e307); }), kOverflow);
}

TEST(RealCheck, DivisionByZeroAndNonFiniteResultsFail) {
    EXPECT_EQ(errorOf([] { divide(1, 0); }), kDivisionByZero);
    EXPECT_EQ(errorOf([] { divide(0, 0); }), kDivisionByZero);
    EXPECT_EQ(errorOf([] { divide(1e308, 1e-308); }), kOverflow);
    EXPECT_EQ(divide(3, 4), 0.75);
}

}  // namespace
}  // namespace tellvane
