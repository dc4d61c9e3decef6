#pragma once
// The station-year a command shows: read from the options' files, chosen, and ready
// to be handed to a control.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "apps/tellvane/WarningSink.h"
#include "apps/tellvane/YearOptions.h"
#include "control/TZenzu.h"
#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"

namespace tellvane::cli {

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
    HostedYear(const YearOptions& options, std::ostream& err);
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
    HostedYear(std::shared_ptr<const LoadedFiles> files, const YearOptions& options);
    HostedYear(std::shared_ptr<const LoadedFiles> files, const SelectedYear& selected, const YearOptions& options);

    std::shared_ptr<const LoadedFiles> files_;
    SelectedYear selected_;
    std::u16string mode_;
    YearBlockSource source_;
    WarningSink* warnings_ = nullptr;
};

}  // namespace tellvane::cli
