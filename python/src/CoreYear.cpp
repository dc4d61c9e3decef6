#include "python/src/CoreYear.h"

#include <sstream>
#include <stdexcept>

#include "common/Error.h"
#include "common/Text.h"
#include "yearhost/YearOutputs.h"

namespace tellvane::python {
namespace {

// A year with no block loaded: NenZu's message has gone to err.
template <typename T>
T loaded(std::optional<T>&& value, const std::ostringstream& err) {
    if (!value) throw std::runtime_error("the year could not be loaded: " + err.str());
    return std::move(*value);
}

std::optional<SeriesKind> kindOf(const std::optional<std::string>& kind) {
    if (!kind) return std::nullopt;
    if (*kind == "level") return SeriesKind::Level;
    if (*kind == "discharge") return SeriesKind::Discharge;
    throw std::invalid_argument("kind must be 'level' or 'discharge', not '" + *kind + "'");
}

}  // namespace

CoreYear::CoreYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, std::u16string mode)
    : files_(std::move(files)), selected_(selected), mode_(std::move(mode)) {}

std::string CoreYear::station() const { return toUtf8(selected_.station); }
std::string CoreYear::mode() const { return toUtf8(mode_); }

std::unique_ptr<HostedYear> CoreYear::hosted() const {
    return std::make_unique<HostedYear>(files_, selected_, mode_);
}

Reported<std::string> CoreYear::statsJson() const {
    std::ostringstream err;
    auto json = loaded(yearStatsJson(*hosted(), err), err);
    return {std::move(json), err.str()};
}

Reported<std::vector<std::uint8_t>> CoreYear::png(ChartSize size) const {
    std::ostringstream err;
    auto bytes = loaded(yearPng(*hosted(), size, err), err);
    return {std::move(bytes), err.str()};
}

Reported<std::string> CoreYear::page(bool svg) const {
    std::ostringstream err;
    auto bytes = loaded(yearPage(*hosted(), svg, err), err);
    return {std::move(bytes), err.str()};
}

Reported<std::vector<std::string>> CoreYear::trace(ChartSize size, bool plot) const {
    std::ostringstream err;
    std::vector<std::string> lines;
    if (!traceYear(*hosted(), size, plot, lines, err)) loaded(std::optional<int>(), err);
    return {std::move(lines), err.str()};
}

CoreRecords CoreRecords::read(const std::vector<std::string>& paths, const std::optional<std::string>& stations) {
    return CoreRecords(loadFiles(paths, stations));
}

CoreYear CoreRecords::year(const std::optional<std::string>& station, std::optional<int> year,
                           const std::optional<std::string>& kind) const {
    YearRequest request;
    if (station) request.station = fromUtf8(*station);
    request.year = year;
    request.kind = kindOf(kind);
    const SelectedYear selected = selectYear(files_->records, request);
    if (!selected.series) throw SelectionError(selected.absence);
    std::optional<std::u16string> mode;
    if (kind) mode = *kind == "discharge" ? u"7" : u"1";
    return CoreYear(files_, selected, modeOf(selected, mode));
}

}  // namespace tellvane::python
