#pragma once
// What the opened files hold, as the viewer offers it: the stations, each
// station's years and the kinds a station-year can be drawn as, and the control's
// settings and event answers for the one the user picks.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "control/TZenzu.h"
#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "records/YearBlockSource.h"

namespace tellvane::viewer {

/// What the chart shows the readings as.
enum class ChartKind { Level, Discharge };

/// A station-year and kind the user picked.
struct YearChoice {
    std::u16string station;
    int year = 0;
    ChartKind kind = ChartKind::Level;
};

class StationYears {
public:
    /// Reads the data files and folders; bad files fail with InputError.
    explicit StationYears(const std::vector<std::filesystem::path>& data);
    StationYears(const StationYears&) = delete;
    StationYears& operator=(const StationYears&) = delete;

    /// Reads the catalogue whose names replace the files' own; fails with InputError.
    void setCatalogue(const std::filesystem::path& path);

    /// The station numbers, in the order the data first gives them.
    std::vector<std::u16string> stations() const;
    /// The station's names for a list: the catalogue's, else a file's, else empty.
    StationNames namesOf(const std::u16string& station) const;
    /// The years with readings of the station, ascending.
    std::vector<int> years(const std::u16string& station) const;
    /// The kinds the station-year can be drawn as: those its files state, or both
    /// when no file states one (the hourly CSV does not).
    std::vector<ChartKind> kinds(const std::u16string& station, int year) const;
    /// True when the station-year has series of more than one kind, so that its
    /// charts need the kind in their names.
    bool holdsBothKinds(const std::u16string& station, int year) const;

    /// Sets the control's station, year and Mode for the choice and returns the
    /// answers to its events, valid while this object lives. A choice the data
    /// cannot answer fails with SelectionError.
    std::unique_ptr<YearBlockSource> prepare(const YearChoice& choice, TZenzu& control) const;

private:
    StationRecords records_;
    StationCatalogue catalogue_;
};

/// The control's Mode text of the kind.
std::u16string modeText(ChartKind kind);
/// The kind as file names carry it: "level" or "discharge".
const char* kindName(ChartKind kind);

}  // namespace tellvane::viewer
