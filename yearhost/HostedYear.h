#pragma once
// The station-year a host shows: read from the files asked for, chosen, and ready
// to be handed to a control.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "control/TZenzu.h"
#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "yearhost/WarningSink.h"
#include "yearhost/YearQuery.h"

namespace tellvane {

/// What a command reads: the records of the data files and the station catalogue.
struct LoadedFiles {
    StationRecords records;
    StationCatalogue catalogue;  ///< empty without --stations
};

/// Reads the data files and folders and the catalogue, if any, keeping the readings
/// of the station-year kept (all when nullopt); bad files fail with InputError.
std::shared_ptr<const LoadedFiles> loadFiles(const std::vector<std::string>& data,
                                             const std::optional<std::string>& stations,
                                             const std::optional<KeptYears>& kept = std::nullopt);

class HostedYear {
public:
    /// Reads the data and the catalogue, keeping only the readings the options can
    /// ask for, and chooses the station-year. Bad files fail with InputError, a
    /// choice the data leaves open with SelectionError. Notes on how the files were
    /// combined go to err.
    HostedYear(const YearQuery& query, std::ostream& err);
    /// A station-year already chosen from files read before; several years may share
    /// the files, also across threads, since they are only read.
    HostedYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, std::u16string mode);
    HostedYear(const HostedYear&) = delete;
    HostedYear& operator=(const HostedYear&) = delete;

    /// Sets the control's station, year and Mode.
    void setUp(TZenzu& control) const;
    /// The answers to the control's events.
    YearBlockSource& events() { return source_; }
    /// The station-year shown.
    const SelectedYear& selected() const { return selected_; }
    /// The names the control is given: the catalogue's, else the file's.
    StationNames names() const;
    /// The control's Mode text.
    const std::u16string& mode() const { return mode_; }

    /// After NenZu: why there was nothing to chart, when it returned false (the
    /// control's own message has gone to the user already), on a line of err; a
    /// warning when the year is partial, when it returned true, to the warning sink
    /// (on a line of err without one).
    void report(const TZenzu& control, bool loaded, std::ostream& err) const;
    /// Where report's warnings go from now on; nullptr for err. The sink outlives
    /// this year's reports.
    void setWarnings(WarningSink* sink) { warnings_ = sink; }

private:
    HostedYear(std::shared_ptr<const LoadedFiles> files, const YearQuery& query);
    HostedYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, const YearQuery& query);

    std::shared_ptr<const LoadedFiles> files_;
    SelectedYear selected_;
    std::u16string mode_;
    YearBlockSource source_;
    WarningSink* warnings_ = nullptr;
};

}  // namespace tellvane
