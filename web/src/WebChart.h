#pragma once
// The chart as the page hosts it: the files it was handed, the station-year
// chosen, and the control drawing on the page's canvas. Every call answers with a
// small JSON object; failures are {"error": message}, the message naming the file
// and line as the command line does, and leave the chart as it was.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/CanvasSurface.h"
#include "common/Text.h"
#include "control/TZenzu.h"
#include "hostkit/HeadlessPlatform.h"
#include "platform/Platform.h"
#include "record/StationRecord.h"
#include "plot/PlotOutput.h"
#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "web/src/JsCanvas.h"
#include "web/src/WebPlatform.h"

namespace tellvane::web {

/// A file the page read: its name (a folder's files as "folder/name") and its
/// text, a download already decoded from Shift_JIS to UTF-8.
struct PageFile {
    std::string name;
    std::string text;
};

/// A call's answer as a host reads it without parsing: its JSON object, and when
/// it failed, why (the same message the object's "error" holds).
struct WebAnswer {
    std::string json;
    std::optional<std::string> error;
};

class WebChart {
public:
    /// A chart drawing on the canvas.
    explicit WebChart(canvas::Canvas& canvas, PlotDocumentFactory& plots);

    /// Reads the data files (and the station catalogue, when its name is not
    /// empty) in place of the earlier ones: {"stations": [{"station", "name",
    /// "years", "kinds"}]}.
    std::string load(const std::vector<PageFile>& data, const PageFile& catalogue);
    /// Chooses and draws a station-year; empty station, year 0 or empty kind leave
    /// the choice to the data: {"station", "year", "kind", "max", "min", "warning"},
    /// the warning the tool gives for a partial year, or empty.
    std::string choose(const std::string& station, int year, const std::string& kind);
    /// What is wrong with axis limits typed, for each field ("" when nothing):
    /// {"max", "min"}, worded as limitProblemText words it.
    std::string checkLimits(const std::string& max, const std::string& min) const;
    /// New axis limits as texts, then the chart again: {"max", "min"}; limits
    /// checkLimits refuses fail and leave the chart as it was.
    std::string setLimits(const std::string& max, const std::string& min);
    /// The chart area in pixels; the chart is drawn again at that size.
    std::string resize(int width, int height);
    /// The year's numbers as `tellvane stats` prints them (without its line end).
    std::string stats();
    /// The 流況表 of every station-kind of the files, as `tellvane record` makes it
    /// with no choices: see recordViewJson.
    std::string record();
    /// The same records as `tellvane record --format csv` writes them (a JSON
    /// error object when they cannot be made).
    std::string recordCsv();
    /// The records record() and recordCsv() show, made once for each load; none
    /// before the first.
    const std::vector<StationRecord>& stationRecords();
    /// The plotted page of the chart drawn, written by the control to plotFile() in
    /// the module's file system: {"file"}.
    std::string plot() { return plotted().json; }
    /// plot's answer, typed.
    WebAnswer plotted();
    /// Where the control writes its page.
    std::string plotFile() { return toUtf8(plotFilePath(folder_)); }

private:
    struct Files {
        StationRecords records;
        StationCatalogue catalogue;
    };

    std::string limits() const;
    template <typename Body>
    WebAnswer guarded(Body&& body);

    ChartArea area_;
    NullScreen screen_;
    PageMessages messages_;
    EmptySettings settings_;                 // every pen as it comes, as without a settings file
    FixedLibraryLocation folder_{u"/plot"};  // the module's own file system
    IdleEventPump events_;
    canvas::CanvasSurface surface_;
    TZenzu control_;
    std::shared_ptr<const Files> files_;
    std::shared_ptr<const Files> shownFiles_;  // what the chart's source reads
    std::unique_ptr<YearBlockSource> source_;
    SelectedYear selected_;  // what the source reads
    std::shared_ptr<const Files> recordFiles_;  // the files records_ were made of
    std::vector<StationRecord> records_;
};

}  // namespace tellvane::web
