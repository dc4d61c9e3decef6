#pragma once
// A chart source with a store and public values a test sets directly, for drawing
// states that a loaded year cannot reach (a maximum of 12.345, say).

#include <string>

#include "chartinput/ChartSource.h"

namespace tellvane::test {

struct FakeChartSource : ChartSource {
    AnnualStore data;
    std::u16string station = u"301011281104010", max = u"4", min = u"0", mode = u"1";
    std::int32_t year = 2023;
    std::u16string name, system, river, wokWrite;
    int nameCalls = 0;

    FakeChartSource() { data.clear(); }
    const AnnualStore& store() const override { return data; }
    const std::u16string& KansokujoNO() const override { return station; }
    const std::u16string& txtMax() const override { return max; }
    const std::u16string& txtMin() const override { return min; }
    const std::u16string& Mode() const override { return mode; }
    std::int32_t Seireki() const override { return year; }
    void raiseGetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                            std::u16string& Kasen) override {
        ++nameCalls;
        if (!wokWrite.empty()) Wok = wokWrite;
        Kansokujo = name;
        Suikei = system;
        Kasen = river;
    }
};

}  // namespace tellvane::test
