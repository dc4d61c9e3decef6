// The module's interface to the page.
#include <emscripten/bind.h>

#include "recording/JsonLine.h"
#include "web/src/JsCanvas.h"
#include "web/src/WebChart.h"
#include "web/src/WebComparison.h"

namespace tellvane::web {
namespace {

// The plotted page needs the page writer, which this module does not hold yet.
class NoPlotDocuments : public PlotDocumentFactory {
public:
    std::unique_ptr<PlotDocument> create() override { throw Error(kFileAccess, "no page writer in this module", {}); }
};

// One chart per module, drawing on Module.chartCanvas, and its records' comparison
// chart on Module.compareCanvas.
class PageChart {
public:
    PageChart() : chart_(canvas_, plots_), comparison_(compareCanvas_) {}

    std::string load(const std::vector<std::string>& names, const std::vector<std::string>& texts,
                     const std::string& catalogueName, const std::string& catalogueText) {
        std::vector<PageFile> files;
        for (std::size_t i = 0; i < names.size() && i < texts.size(); ++i) files.push_back({names[i], texts[i]});
        return chart_.load(files, {catalogueName, catalogueText});
    }
    std::string choose(const std::string& station, int year, const std::string& kind) {
        return chart_.choose(station, year, kind);
    }
    std::string checkLimits(const std::string& max, const std::string& min) { return chart_.checkLimits(max, min); }
    std::string setLimits(const std::string& max, const std::string& min) { return chart_.setLimits(max, min); }
    std::string resize(int width, int height) { return chart_.resize(width, height); }
    std::string stats() { return chart_.stats(); }
    std::string record() { return chart_.record(); }
    /// The comparison chart of a station-kind of the records: see WebComparison::draw.
    std::string compare(const std::string& station, const std::string& kind, int year, int width, int height) {
        try {
            return comparison_.draw(chart_.stationRecords(), station, kind, year, width, height);
        } catch (const std::exception& e) {  // the records made for the first time here
            return JsonLine().add("error", e.what()).str();
        }
    }
    /// Makes the record's CSV: {} with its bytes in recordCsvBytes, or {"error"}.
    std::string recordCsv() {
        csv_ = chart_.recordCsv();
        return csv_.rfind("{\"error\"", 0) == 0 ? csv_ : "{}";
    }
    /// The CSV's bytes as they are, its byte-order mark included (a string handed
    /// to the page would lose it in decoding), valid until the next recordCsv.
    emscripten::val recordCsvBytes() const {
        return emscripten::val(
            emscripten::typed_memory_view(csv_.size(), reinterpret_cast<const unsigned char*>(csv_.data())));
    }

private:
    JsCanvas canvas_;
    NoPlotDocuments plots_;
    WebChart chart_;
    JsCanvas compareCanvas_{JsCanvas::Which::Compare};
    WebComparison comparison_;
    std::string csv_;
};

}  // namespace
}  // namespace tellvane::web

EMSCRIPTEN_BINDINGS(tellvane) {
    using namespace emscripten;
    using tellvane::web::PageChart;
    register_vector<std::string>("StringList");
    class_<PageChart>("Chart")
        .constructor<>()
        .function("load", &PageChart::load)
        .function("choose", &PageChart::choose)
        .function("checkLimits", &PageChart::checkLimits)
        .function("setLimits", &PageChart::setLimits)
        .function("resize", &PageChart::resize)
        .function("stats", &PageChart::stats)
        .function("record", &PageChart::record)
        .function("compare", &PageChart::compare)
        .function("recordCsv", &PageChart::recordCsv)
        .function("recordCsvBytes", &PageChart::recordCsvBytes);
}
