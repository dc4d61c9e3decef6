#pragma once
// The station-year a command shows: read from the options' files, chosen, and ready
// to be handed to a control.

#include <string>

#include "apps/tellvane/YearOptions.h"
#include "control/TZenzu.h"
#include "records/StationRecords.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"

namespace tellvane::cli {

class HostedYear {
public:
    /// Reads the data and the catalogue and chooses the station-year. Bad files fail
    /// with InputError, a choice the data leaves open with SelectionError.
    explicit HostedYear(const YearOptions& options);
    HostedYear(const HostedYear&) = delete;
    HostedYear& operator=(const HostedYear&) = delete;

    /// Sets the control's station, year and Mode.
    void setUp(TZenzu& control) const;
    /// The answers to the control's events.
    YearBlockSource& events() { return source_; }
    const SelectedYear& selected() const { return selected_; }
    const std::u16string& mode() const { return mode_; }

private:
    StationRecords records_;
    SelectedYear selected_;
    std::u16string mode_;
    YearBlockSource source_;
};

}  // namespace tellvane::cli
