#include "tests/support/YearHost.h"

#include "hostkit/TenDayBlocks.h"

namespace tellvane::test {

YearHost::YearHost(int y, Reading r) : year(y), reading(std::move(r)) {}

YearHost YearHost::daily(int y, std::function<std::u16string(int month, int day)> value) {
    return YearHost(y, [value](int m, int d, int) { return value(m, d); });
}

void YearHost::GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
    blocksRaised.push_back(datano);
    if (datano == failAtBlock) return;
    const BlockSpan span = blockSpan(year, datano);
    fillBlock(Suii, span, [&](int day, int hour) { return reading(span.month, day, hour); });
    if (changeDatano) changeDatano(datano);
    ret = true;
}

void YearHost::GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                             std::u16string& Kasen) {
    ++nameCalls;
    wokSeen = Wok;
    if (!wokWrite.empty()) Wok = wokWrite;
    Kansokujo = name;
    Suikei = system;
    Kasen = river;
}

}  // namespace tellvane::test
