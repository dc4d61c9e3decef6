#pragma once
// A host's answers to the control's events for one station-year of the records.

#include <cstdint>
#include <string>

#include "control/TZenzuEvents.h"
#include "records/StationRecords.h"

namespace tellvane {

class YearBlockSource : public TZenzuEvents {
public:
    /// series may be nullptr, or hold no day of the year: every block is then not
    /// loaded. The series must outlive the source.
    YearBlockSource(const Series* series, int year, StationNames names);

    /// Fills block datano with the year's readings, a day the series lacks with 24
    /// empty cells, and sets ret; leaves ret false when the year has no day at all.
    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override;
    /// Gives the station's names; Wok is left as it came.
    void GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                       std::u16string& Kasen) override;

private:
    const Series* series_;
    int year_;
    StationNames names_;
    bool loaded_;
};

}  // namespace tellvane
