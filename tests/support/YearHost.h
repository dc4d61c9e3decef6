#pragma once
// A host that answers the control's events from a generated year.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "control/TZenzuEvents.h"

namespace tellvane::test {

class YearHost : public TZenzuEvents {
public:
    /// The text of the reading at an hour (1-24) of a day; empty for none.
    using Reading = std::function<std::u16string(int month, int day, int hour)>;

    YearHost(int year, Reading reading);

    /// A year whose every reading on a day is that day's value (nullopt: no readings).
    static YearHost daily(int year, std::function<std::u16string(int month, int day)> value);

    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override;
    void GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                       std::u16string& Kasen) override;

    int year;
    Reading reading;
    int failAtBlock = 0;                              ///< answer false at this block
    std::function<void(std::int32_t&)> changeDatano;  ///< lets a test move the counter
    std::vector<std::int32_t> blocksRaised;
    std::u16string name = u"茂志利", system = u"天塩川", river = u"天塩川";
    std::u16string wokSeen, wokWrite;  ///< what Wok held on entry; what to write into it
    int nameCalls = 0;
};

}  // namespace tellvane::test
