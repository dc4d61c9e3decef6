#include "yearbook/Yearbook.h"

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "common/Text.h"
#include "control/TZenzu.h"
#include "hostkit/HeadlessPlatform.h"
#include "pagewriter/PageBook.h"
#include "record/StationRecord.h"
#include "recording/NullSurface.h"
#include "records/DataFiles.h"
#include "records/YearBlockSource.h"
#include "yearbook/BookOrder.h"
#include "yearbook/DailyTablePage.h"
#include "yearbook/RecordPage.h"

namespace tellvane {
namespace {

// A kind as the record counts it: readings of no stated kind are water levels.
SeriesKind recordKind(SeriesKind kind) { return kind == SeriesKind::Discharge ? kind : SeriesKind::Level; }

bool inRange(const BookRequest& r, int year) {
    return (!r.firstYear || year >= *r.firstYear) && (!r.lastYear || year <= *r.lastYear);
}

int plannedYears(const StationRecords& index, const BookRequest& request) {
    int count = 0;
    for (const std::u16string& station : index.stations()) {
        std::set<std::pair<SeriesKind, int>> years;
        for (const Series* s : index.ofStation(station))
            for (const int y : s->years())
                if (inRange(request, y)) years.emplace(recordKind(s->kind), y);
        count += static_cast<int>(years.size());
    }
    return count;
}

std::u16string kindTitle(SeriesKind kind) { return kind == SeriesKind::Discharge ? u"流量" : u"水位"; }

std::u16string bookTitle(const BookRequest& request) {
    std::u16string title = u"水位流量年表";
    if (request.firstYear && request.lastYear)
        title += u" " + plainInteger(*request.firstYear) + u"〜" + plainInteger(*request.lastYear);
    return title;
}

const Series* seriesOfKind(const StationRecords& records, const std::u16string& station, int year, SeriesKind kind) {
    for (const Series* s : records.ofStation(station))
        if (recordKind(s->kind) == kind && s->hasYear(year)) return s;
    return nullptr;
}

// The pages of one station: a control that charts on nothing and plots into the book.
class StationPages {
public:
    StationPages(pagewriter::PageBook& book, SettingsStore& settings)
        : book_(book),
          settings_(settings),
          headless_(HeadlessParts{surface_, book.pages(), settings, events_}, messages_, u"."),
          control_(headless_.platform()) {}

    /// NenZu on the year; false when a block was not loaded, and then the year has no pages.
    bool load(const StationRecords& files, const StationRecord& record, const YearRecord& y) {
        // The source answers the names the plotted page asks for too: it stays until draw.
        source_.emplace(seriesOfKind(files, record.station, y.year, record.kind), y.year, record.names);
        const std::u16string mode = recordMode(record);
        control_.setKansokujoNO(record.station);
        control_.setSeireki(y.year);
        control_.setMode(mode);
        control_.setEvents(&*source_);
        return control_.NenZu();
    }

    /// The loaded year's daily table and plotted page.
    void draw(const StationRecord& record, const YearRecord& y) {
        const std::u16string mode = recordMode(record);
        std::unique_ptr<PlotDocument> doc = book_.pages().create();
        const PageHeader header{record.station, record.names.Kansokujo, record.names.Suikei, record.names.Kasen,
                                pageYearText(y.year)};
        drawDailyTablePage(*doc, DailyTableYear{header, mode, control_.store(), y}, settings_);
        doc->OutputToFile(u"book");
        doc->CloseDocument();
        control_.NenzuSakuzu();
    }

    ~StationPages() { control_.setEvents(nullptr); }

private:
    pagewriter::PageBook& book_;
    SettingsStore& settings_;
    NullSurface surface_{1024, 768};
    IdleEventPump events_;
    std::ostringstream messages_;
    HeadlessPlatform headless_;
    TZenzu control_;
    std::optional<YearBlockSource> source_;
};

void recordPage(pagewriter::PageBook& book, const StationRecord& record, SettingsStore& settings) {
    std::unique_ptr<PlotDocument> doc = book.pages().create();
    drawRecordPage(*doc, record, settings);
    doc->OutputToFile(u"book");
    doc->CloseDocument();
}

}  // namespace

BookSummary writeBook(const BookRequest& request, SettingsStore& settings, const BookListener& listener) {
    const StationRecords index =
        loadRecords(request.data, KeptYears{.station = {}, .year = {}, .none = true}, request.downloads);
    const StationCatalogue catalogue = request.stations ? loadStationCatalogue(*request.stations) : StationCatalogue{};
    if (listener.planned) listener.planned(plannedYears(index, request));

    pagewriter::PageBook book(request.out.string(), bookTitle(request), request.pageWriter);
    StationPages pages(book, settings);
    BookSummary summary;
    for (const std::u16string& station : bookOrder(index, request.stations)) {
        // The station's years are read once, for its record and its pages, and let
        // go before the next station: memory follows one station, not the files.
        std::map<int, StationRecords> years;
        const auto read = [&](const std::u16string& s, int year) -> const StationRecords& {
            auto [at, added] = years.try_emplace(year);
            if (added) at->second = loadStationYear(index, s, year, request.downloads);
            return at->second;
        };
        const std::vector<StationRecord> records = buildRecords(
            index, catalogue,
            RecordRequest{
                .station = station, .kind = {}, .firstYear = request.firstYear, .lastYear = request.lastYear,
                .allowedMissingDays = 0},
            read);
        if (records.empty()) continue;
        const StationRecord& first = records.front();
        book.mark(0, station + (first.names.Kansokujo.empty() ? u"" : u" " + first.names.Kansokujo));
        const int depth = records.size() > 1 ? 1 : 0;
        for (const StationRecord& record : records) {
            if (depth == 1) book.mark(1, kindTitle(record.kind));
            recordPage(book, record, settings);
            ++summary.stationKinds;
            for (const YearRecord& y : record.years) {
                if (y.daysWithData == 0 || !inRange(request, y.year)) continue;
                if (!pages.load(read(station, y.year), record, y)) continue;
                book.mark(depth + 1, plainInteger(y.year) + u" 年");
                pages.draw(record, y);
                ++summary.stationYears;
                if (listener.finished)
                    listener.finished(toUtf8(station) + " " + std::to_string(y.year) +
                                      (depth == 1 ? std::string(" ") + kindName(record.kind) : std::string()));
            }
        }
    }
    book.finish();
    summary.pages = book.pageCount();
    return summary;
}

}  // namespace tellvane
