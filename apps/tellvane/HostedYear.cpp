#include "apps/tellvane/HostedYear.h"

#include <filesystem>
#include <vector>

#include "records/DataFiles.h"

namespace tellvane::cli {
namespace {

StationRecords loadData(const YearOptions& options) {
    return loadRecords(std::vector<std::filesystem::path>(options.data.begin(), options.data.end()));
}

StationCatalogue loadCatalogue(const YearOptions& options) {
    return options.stations ? loadStationCatalogue(*options.stations) : StationCatalogue{};
}

}  // namespace

HostedYear::HostedYear(const YearOptions& options)
    : records_(loadData(options)),
      selected_(selectYear(records_, options.request())),
      mode_(modeOf(selected_, options.requestedMode())),
      source_(selected_.series, selected_.year, namesOf(selected_, loadCatalogue(options))) {}

void HostedYear::setUp(TZenzu& control) const {
    control.setKansokujoNO(selected_.station);
    control.setSeireki(selected_.year);
    control.setMode(mode_);
}

}  // namespace tellvane::cli
