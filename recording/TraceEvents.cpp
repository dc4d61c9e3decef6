#include "recording/TraceEvents.h"

#include "recording/JsonLine.h"

namespace tellvane {

void TraceEvents::GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) {
    write_(JsonLine().add("event", "GetBlockData").add("datano", datano).str());
    host_.GetBlockData(datano, Suii, ret);
}

void TraceEvents::GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                                std::u16string& Kasen) {
    write_(JsonLine().add("event", "GetLKansokujo").str());
    host_.GetLKansokujo(Wok, Kansokujo, Suikei, Kasen);
}

}  // namespace tellvane
