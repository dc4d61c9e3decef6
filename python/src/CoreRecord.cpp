#include "python/src/CoreRecord.h"

#include <stdexcept>

#include "common/Text.h"
#include "record/RecordChoice.h"
#include "record/RecordComparison.h"
#include "record/RecordJson.h"
#include "records/ShownText.h"
#include "records/YearSelection.h"
#include "yearhost/CompareOutputs.h"

namespace tellvane::python {
namespace {

RecordRequest requestOf(const std::optional<std::string>& station, const std::optional<std::string>& kind,
                        int allowedMissingDays) {
    RecordRequest request;
    if (station) request.station = fromUtf8(*station);
    if (kind) {
        if (*kind != "level" && *kind != "discharge")
            throw std::invalid_argument("kind must be 'level' or 'discharge', not '" + *kind + "'");
        request.kind = *kind == "discharge" ? SeriesKind::Discharge : SeriesKind::Level;
    }
    if (allowedMissingDays < 0 || allowedMissingDays > 366)
        throw std::invalid_argument("allowed_missing_days must be from 0 to 366");
    request.allowedMissingDays = allowedMissingDays;
    return request;
}

// The record asked for, as the command line's record and compare choose it.
StationRecord chosen(const CoreRecords& records, const RecordRequest& request) {
    const std::vector<StationRecord> all = recordsOf(records.files().records, records.files().catalogue, request);
    const StationRecord* record = chooseRecord(all, request.kind);
    if (!record) {
        const std::string what = request.station ? "station " + shownName(*request.station) : "the data";
        throw SelectionError(what + " has no " + (request.kind ? kindName(*request.kind) + std::string(" ") : "") +
                             "readings");
    }
    return *record;
}

}  // namespace

std::string recordJsonOf(const CoreRecords& records, const std::optional<std::string>& station,
                         const std::optional<std::string>& kind, int allowedMissingDays) {
    return recordJson(chosen(records, requestOf(station, kind, allowedMissingDays)));
}

CoreComparison::CoreComparison(const CoreRecords& records, const std::optional<std::string>& station, int year,
                               const std::optional<std::string>& kind) {
    const StationRecord record = chosen(records, requestOf(station, kind, 0));
    if (!hasDay(record, year))
        throw SelectionError("no readings for station " + shownName(record.station) + " in " + std::to_string(year) +
                                 (kind ? " (" + *kind + ")" : std::string()) + "; the data holds " +
                                 kindName(record.kind) + " readings of " + yearsHeld(record),
                             SelectionError::Choice::Year);
    input_ = comparisonOf(record, year);
}

std::string CoreComparison::station() const { return toUtf8(input_.station); }

std::vector<std::uint8_t> CoreComparison::png(ChartSize size) const { return comparePng(input_, size); }

std::string CoreComparison::page(bool svg) const { return comparePage(input_, svg); }

}  // namespace tellvane::python
