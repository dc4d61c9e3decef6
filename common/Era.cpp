#include "common/Era.h"

namespace tellvane {
namespace {

struct Era {
    long long firstYear;  // the year the era began
    const char16_t* name;
};

// Newest first. A year of change belongs to the era that began in it, the way the
// yearbooks count: 1912 is 大正 1, 1926 昭和 1, 1989 平成 1, 2019 令和 1.
constexpr Era kEras[] = {
    {2019, u"令和"}, {1989, u"平成"}, {1926, u"昭和"}, {1912, u"大正"}, {1868, u"明治"},
};

}  // namespace

std::optional<EraYear> eraOf(long long year) {
    for (const Era& e : kEras)
        if (year >= e.firstYear) return EraYear{e.name, year - e.firstYear + 1};
    return std::nullopt;
}

}  // namespace tellvane
