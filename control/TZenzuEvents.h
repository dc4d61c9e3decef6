#pragma once
// The control's events, every parameter by reference so that the host's
// assignments reach the control. A host overrides what it handles; the defaults
// are a host without a handler.

#include <cstdint>
#include <string>

#include "yeardata/BlockArray.h"

namespace tellvane {

class TZenzuEvents {
public:
    virtual ~TZenzuEvents() = default;

    /// Block datano (1-36: month (datano - 1) / 3 + 1, ten-day part (datano - 1) % 3)
    /// is wanted: fill cell (0, 0) with the day count, rows 1..N with 24 hourly
    /// readings, and set ret to true. Suii keeps what the previous block left.
    ///
    /// datano is the control's block counter itself, passed by reference: the host
    /// owns it while the event runs, and the control asks next for the block after
    /// the value the host leaves in it. A host that sets it back repeats blocks; one
    /// that sets it back every time keeps the control asking for ever, as a loop
    /// whose counter its body resets never ends.
    virtual void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
        (void)datano, (void)Suii, (void)ret;
    }
    /// The station's names are wanted; Wok holds a copy of the station number.
    virtual void GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                               std::u16string& Kasen) {
        (void)Wok, (void)Kansokujo, (void)Suikei, (void)Kasen;
    }
};

}  // namespace tellvane
