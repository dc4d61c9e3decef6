#include "yearhost/HostedYear.h"

#include <filesystem>
#include <utility>

#include "records/DataFiles.h"
#include "yearhost/YearReport.h"

namespace tellvane {

std::shared_ptr<const LoadedFiles> loadFiles(const std::vector<std::string>& data,
                                             const std::optional<std::string>& stations,
                                             const std::optional<KeptYears>& kept) {
    auto files = std::make_shared<LoadedFiles>();
    files->records = loadRecords(std::vector<std::filesystem::path>(data.begin(), data.end()), kept);
    if (stations) files->catalogue = loadStationCatalogue(*stations);
    return files;
}

HostedYear::HostedYear(const YearQuery& query, std::ostream& err)
    : HostedYear(loadFiles(query.data, query.stations, query.request.kept()), query) {
    printNotes(files_->records, &selected_, err);
}

HostedYear::HostedYear(std::shared_ptr<const LoadedFiles> files, const YearQuery& query)
    : HostedYear(files, selectYear(files->records, query.request), query) {}

HostedYear::HostedYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, const YearQuery& query)
    : HostedYear(std::move(files), selected, modeOf(selected, query.mode)) {}

HostedYear::HostedYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, std::u16string mode)
    : files_(std::move(files)),
      selected_(selected),
      mode_(std::move(mode)),
      source_(selected_.series, selected_.year, namesOf(selected_, files_->catalogue)) {}

void HostedYear::report(const TZenzu& control, bool loaded, std::ostream& err) const {
    if (!loaded) {
        if (!selected_.absence.empty()) err << "tellvane: " << selected_.absence << '\n';
        return;
    }
    const std::string warning = partialYearWarning(selected_, daysWithData(control.store()));
    if (warning.empty()) return;
    StreamWarnings onErr(err);
    (warnings_ ? *warnings_ : onErr).warn(warning);
}

StationNames HostedYear::names() const { return namesOf(selected_, files_->catalogue); }

void HostedYear::setUp(TZenzu& control) const {
    control.setKansokujoNO(selected_.station);
    control.setSeireki(selected_.year);
    control.setMode(mode_);
}

}  // namespace tellvane
