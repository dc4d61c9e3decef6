#include "recording/StatsJson.h"

#include "common/Text.h"
#include "recording/JsonLine.h"

namespace tellvane {
namespace {

template <typename Each>
std::string array(int first, int last, Each each) {
    std::string out = "[";
    for (int i = first; i <= last; ++i) out += (i > first ? "," : "") + each(i);
    return out + "]";
}

std::string durationTable(const AnnualStore& store) {
    std::string out = "[";
    for (int i = 1; i <= 367 && store.DurDays(i) > 0; ++i)
        out += (i > 1 ? ",[" : "[") + jsonNumber(store.DurValue(i)) + "," + std::to_string(store.DurDays(i)) + "]";
    return out + "]";
}

}  // namespace

std::string statsJson(const TZenzu& control, bool result, const YearCounts& counts) {
    const AnnualStore& store = control.store();
    const auto stat = [&](int slot) { return jsonNumber(store.Stats(slot)); };
    const auto month = [&](int m) {
        return array(1, 31, [&](int d) { return jsonString(toUtf8(store.DayTable(m, d))); });
    };
    return JsonLine()
        .add("station", control.KansokujoNO())
        .add("year", control.Seireki())
        .add("mode", control.Mode())
        .add("result", result)
        .add("txtMax", control.txtMax())
        .add("txtMin", control.txtMin())
        .addRaw("stats", array(kStatMax, kStatMean, stat))
        .addRaw("duration", durationTable(store))
        .addRaw("days", array(1, 12, month))
        .add("daysWithData", std::int32_t{counts.daysWithData})
        .addRaw("hoursWithReadings", std::to_string(counts.hoursWithReadings))
        .str();
}

}  // namespace tellvane
