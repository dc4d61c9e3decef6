#include <gtest/gtest.h>

#include "chartinput/ScaleMap.h"
#include "common/Error.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

struct Mapping {
    const char* what;
    double v1, v2, p1, p2;
    double value, device;
};

// A screen's y runs down (the lower value at the larger pixel), a page's up; an
// x axis may start anywhere.
const Mapping kMappings[] = {
    {"screen y, low end", -1.5, 2.5, 748, 60, -1.5, 748}, {"screen y, high end", -1.5, 2.5, 748, 60, 2.5, 60},
    {"screen y, inside", -1.5, 2.5, 748, 60, 0.5, 404},   {"screen y, beyond the top", -1.5, 2.5, 748, 60, 3.5, -112},
    {"page y, upwards", 0, 400, 20, 250, 100, 77.5},      {"calendar x", 0, 366, 61, 717, 60, 61 + 60 * 656.0 / 366},
    {"reversed values", 10, 0, 0, 100, 2.5, 75},
};

TEST(ScaleMap, MapsValuesAndBack) {
    for (const Mapping& m : kMappings) {
        const ScaleMap map(m.v1, m.v2, m.p1, m.p2);
        EXPECT_NEAR(map.toDevice(m.value), m.device, 1e-9) << m.what;
        EXPECT_NEAR(map.toValue(m.device), m.value, 1e-9) << m.what;
    }
}

TEST(ScaleMap, RefusesWhatHasNoScale) {
    EXPECT_EQ(test::errorOf([] { ScaleMap(1, 1, 0, 100); }), kDivisionByZero);
    const ScaleMap flat(0, 1, 50, 50);
    EXPECT_EQ(flat.toDevice(0.7), 50);
    EXPECT_EQ(test::errorOf([&] { (void)flat.toValue(50); }), kDivisionByZero);
    EXPECT_EQ(test::errorOf([] { (void)ScaleMap(0, 1e-300, 0, 1e300).toDevice(1); }), kOverflow);
}

}  // namespace
}  // namespace tellvane
