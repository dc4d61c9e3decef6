#pragma once
// What a drawing of the chart reads from the control: the stored year, the public
// values as they stand at the moment of reading, and the station-names event.

#include <cstdint>
#include <string>

#include "yeardata/AnnualStore.h"

namespace tellvane {

class ChartSource {
public:
    virtual ~ChartSource() = default;
    virtual const AnnualStore& store() const = 0;
    virtual const std::u16string& KansokujoNO() const = 0;
    virtual const std::u16string& txtMax() const = 0;
    virtual const std::u16string& txtMin() const = 0;
    virtual const std::u16string& Mode() const = 0;
    virtual std::int32_t Seireki() const = 0;
    /// Raises GetLKansokujo with the four texts by reference.
    virtual void raiseGetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                                    std::u16string& Kasen) = 0;
};

}  // namespace tellvane
