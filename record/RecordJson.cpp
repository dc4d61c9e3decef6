#include "record/RecordJson.h"

#include <array>

#include "recording/JsonLine.h"

namespace tellvane {
namespace {

struct Named {
    StatSlot slot;
    const char* key;
};
constexpr std::array<Named, 7> kValues = {{{kStatMax, "max"},
                                           {kStatHigh, "high"},
                                           {kStatNormal, "normal"},
                                           {kStatLow, "low"},
                                           {kStatDrought, "drought"},
                                           {kStatMin, "min"},
                                           {kStatMean, "mean"}}};

std::string number(const std::optional<double>& v) { return v ? jsonNumber(*v) : "null"; }
std::string date(const std::optional<CivilDate>& d) { return d ? jsonString(isoDate(*d)) : "null"; }
std::string year(int y) { return y ? std::to_string(y) : "null"; }

std::string yearJson(const YearRecord& y) {
    JsonLine j;
    j.add("year", std::int32_t{y.year});
    for (const Named& v : kValues) {
        j.addRaw(v.key, number(y.stat(v.slot)));
        if (v.slot == kStatMax) j.addRaw("maxDate", date(y.maxDate));
        if (v.slot == kStatMin) j.addRaw("minDate", date(y.minDate));
    }
    return j.add("daysWithData", std::int32_t{y.daysWithData})
        .add("missingDays", std::int32_t{y.missingDays})
        .addRaw("hoursWithReadings", std::to_string(y.hoursWithReadings))
        .addRaw("runoff", number(y.runoff))
        .str();
}

std::string columnJson(const PeriodColumn& c) {
    return JsonLine()
        .addRaw("mean", number(c.mean))
        .addRaw("max", number(c.max))
        .addRaw("maxYear", year(c.maxYear))
        .addRaw("min", number(c.min))
        .addRaw("minYear", year(c.minYear))
        .str();
}

std::string periodJson(const RecordPeriod& p) {
    std::string years = "[";
    for (const int y : p.years) years += (years.size() > 1 ? "," : "") + std::to_string(y);
    JsonLine j;
    j.addRaw("years", years + "]");
    for (const Named& v : kValues) j.addRaw(v.key, columnJson(p.column(v.slot)));
    return j.addRaw("drought10", number(p.drought10)).str();
}

}  // namespace

std::string recordJson(const StationRecord& r) {
    std::string years = "[";
    for (const YearRecord& y : r.years) years += (years.size() > 1 ? "," : "") + yearJson(y);
    return JsonLine()
        .add("station", r.station)
        .add("kind", r.kind == SeriesKind::Discharge ? "discharge" : "level")
        .addRaw("names", JsonLine()
                             .add("name", r.names.Kansokujo)
                             .add("water_system", r.names.Suikei)
                             .add("river", r.names.Kasen)
                             .str())
        .addRaw("years", years + "]")
        .addRaw("period", periodJson(r.period))
        .str();
}

std::string recordJsonLines(const std::vector<StationRecord>& records) {
    std::string out;
    for (const StationRecord& r : records) out += recordJson(r) + "\n";
    return out;
}

}  // namespace tellvane
