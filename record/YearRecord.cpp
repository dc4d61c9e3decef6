#include "record/YearRecord.h"

#include <cmath>
#include <memory>
#include <string>

#include "common/Rounding.h"
#include "common/Text.h"
#include "hostkit/TenDayBlocks.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "yeardata/YearAssembly.h"

namespace tellvane {
namespace {

// Days before each month in a leap year.
constexpr std::array<int, 13> kSlotsBefore = {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::optional<CivilDate> firstDateOf(const YearRecord& r, double value) {
    for (int slot = 0; slot < kCalendarSlots; ++slot)
        if (r.daily[static_cast<std::size_t>(slot)] == value) return slotDate(r.year, slot);
    return std::nullopt;
}

// Daily means are two-decimal numbers: summed in hundredths the volume is exact
// until the one division into 10^6 m^3 (a hundredth of m^3/s over a day is 864 m^3).
double runoffOf(const YearRecord& r) {
    long long hundredths = 0;
    for (const auto& v : r.daily)
        if (v) hundredths += std::llround(*v * 100.0);
    return static_cast<double>(hundredths * 864) / 1e6;
}

}  // namespace

int calendarSlot(int month, int day) { return kSlotsBefore[static_cast<std::size_t>(month)] + day - 1; }

std::optional<CivilDate> slotDate(int year, int slot) {
    int month = 12;
    while (kSlotsBefore[static_cast<std::size_t>(month)] > slot) --month;
    const int day = slot - kSlotsBefore[static_cast<std::size_t>(month)] + 1;
    if (month == 2 && day == 29 && !isLeap(year)) return std::nullopt;
    return CivilDate{year, month, day};
}

int daysNeeded(StatSlot slot) {
    switch (slot) {
        case kStatHigh:
            return 95;
        case kStatNormal:
            return 185;
        case kStatLow:
            return 275;
        case kStatDrought:
            return 355;
        default:
            return 1;
    }
}

YearRecord yearOfStore(const AnnualStore& store, int year, SeriesKind kind, long hoursWithReadings) {
    YearRecord r;
    r.year = year;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= daysInMonth(year, m); ++d) {
            const std::u16string& text = store.DayTable(m, d);
            // The assembly's own reading of the text, so that the extremes match.
            if (!isBlank(text)) r.daily[static_cast<std::size_t>(calendarSlot(m, d))] = leadingNumber(text);
        }
    r.daysWithData = daysWithData(store);
    r.missingDays = (isLeap(year) ? 366 : 365) - r.daysWithData;
    r.hoursWithReadings = hoursWithReadings;
    // The store keeps 0 in a slot the year does not reach: whether it is reached
    // follows from the days with data, as the assembly's ranking does.
    for (int slot = kStatMax; slot <= kStatMean; ++slot)
        if (r.daysWithData >= daysNeeded(static_cast<StatSlot>(slot)))
            r.stats[static_cast<std::size_t>(slot - kStatMax)] = store.Stats(slot);
    if (r.daysWithData > 0) {
        r.maxDate = firstDateOf(r, store.Stats(kStatMax));
        r.minDate = firstDateOf(r, store.Stats(kStatMin));
        if (kind == SeriesKind::Discharge) r.runoff = runoffOf(r);
    }
    int steps = 0;
    while (steps < 367 && store.DurDays(steps + 1) > 0) ++steps;
    r.duration.reserve(static_cast<std::size_t>(steps));  // a year of records holds many of these
    for (int i = 1; i <= steps; ++i) r.duration.push_back({store.DurValue(i), store.DurDays(i)});
    return r;
}

MonthSummary monthSummary(const YearRecord& year, int month) {
    MonthSummary m;
    double total = 0.0;
    for (int d = 1; d <= daysInMonth(year.year, month); ++d) {
        const auto& v = year.daily[static_cast<std::size_t>(calendarSlot(month, d))];
        if (!v) continue;
        m.daysWithData += 1;
        total += *v;
        if (!m.max || *v > *m.max) m.max = *v;
        if (!m.min || *v < *m.min) m.min = *v;
    }
    if (m.daysWithData > 0) m.mean = Round2(total / m.daysWithData);
    return m;
}

YearRecord recordYear(const Series* series, int year, SeriesKind kind) {
    const auto store = std::make_unique<AnnualStore>();
    return recordYear(series, year, kind, *store);
}

namespace {

// The year of readings held as numbers, each day asked in order: the map is walked.
long assembleValues(const Series& series, int year, const std::u16string& mode, AnnualStore& store) {
    std::u16string txtMax, txtMin;
    std::array<int, 12> monthDays{};
    for (int m = 1; m <= 12; ++m) monthDays[static_cast<std::size_t>(m - 1)] = daysInMonth(year, m);
    auto next = series.values.lower_bound(CivilDate{year, 1, 1});
    return assembleYear(store, {mode, txtMax, txtMin}, monthDays, [&](int month, int day) -> const HourValues* {
        if (next == series.values.end() || next->first != CivilDate{year, month, day}) return nullptr;
        return &(next++)->second;
    });
}

}  // namespace

YearRecord recordYear(const Series* series, int year, SeriesKind kind, AnnualStore& store) {
    SelectedYear selected;
    selected.year = year;
    selected.series = series;
    selected.kind = kind;
    const std::u16string mode = modeOf(selected, std::nullopt);
    if (series && series->hasYear(year) && !series->values.empty()) {
        // The hours counted are those of the year's days: the days the series holds.
        const long hours = assembleValues(*series, year, mode, store);
        return yearOfStore(store, year, kind, hours);
    }
    std::u16string txtMax, txtMin;
    YearBlockSource source(series, year, {});
    const BlockRequest request = [&](std::int32_t& datano, BlockArray& Suii) {
        bool ret = false;
        source.GetBlockData(datano, Suii, ret);
        return ret;
    };
    // A year without a day is not loaded: its record is the emptied store's.
    if (assembleYear(store, {mode, txtMax, txtMin}, request) == Assembly::BlockNotLoaded) store.clear();
    return yearOfStore(store, year, kind, hoursWithReadings(selected));
}

}  // namespace tellvane
