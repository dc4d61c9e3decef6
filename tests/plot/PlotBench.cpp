#include "tests/plot/PlotBench.h"

#include <gtest/gtest.h>

#include "common/Text.h"
#include "tests/support/ErrorOf.h"

namespace tellvane::test {

std::vector<Json> parsed(const std::vector<std::string>& lines) {
    std::vector<Json> out;
    for (const auto& line : lines) out.push_back(Json::parse(line));
    return out;
}

std::vector<Json> ofOp(const std::vector<Json>& records, const std::string& op) {
    std::vector<Json> out;
    for (const auto& r : records)
        if (r["op"] == op) out.push_back(r);
    return out;
}

YearHost distinctYear(int year) {
    return YearHost::daily(year, [](int m, int d) { return u16(std::to_string(40 * m + d)); });
}

YearHost constantYear(const std::u16string& value, int year) {
    return YearHost::daily(year, [value](int, int) { return value; });
}

PlotBench::PlotBench(YearHost yearHost) : host(std::move(yearHost)), control(tp.platform()) {
    tp.plots.make = [this] { return docs.create(); };
    control.setEvents(&host);
    control.setKansokujoNO(u"301011281101010");
    control.setSeireki(host.year);
    EXPECT_TRUE(control.NenZu());
}

void PlotBench::pens(std::initializer_list<std::pair<std::u16string, std::u16string>> keys) {
    for (const auto& [key, value] : keys) tp.settings.values[key] = value;
}

std::vector<Json> PlotBench::plot() {
    EXPECT_EQ(errorOf([this] { control.NenzuSakuzu(); }), 0);
    return records();
}

int PlotBench::plotFailure() {
    return errorOf([this] { control.NenzuSakuzu(); });
}

}  // namespace tellvane::test
