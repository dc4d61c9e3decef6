// Every input goes through each reader of the records. Bad input must end in
// InputError; anything else (a crash, a leak, undefined behaviour, another
// exception) is a finding.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/HourlyCsv.h"
#include "records/StationCatalogue.h"
#include "records/WaterDbFile.h"

namespace {

template <typename Read>
void tolerate(Read&& read) {
    try {
        read();
    } catch (const tellvane::InputError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tolerate([&] {
        tellvane::StationRecords records;
        tellvane::readHourlyCsv(bytes, "fuzz.csv", records);
    });
    tolerate([&] { tellvane::readStationCatalogue(bytes, "stations.csv"); });
    tolerate([&] {
        tellvane::StationRecords records;
        tellvane::readWaterDbFile(bytes, "fuzz.dat", records);
    });
    return 0;
}
