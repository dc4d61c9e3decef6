// Speed of the plotted page (a benchmark, not a test): NenzuSakuzu of the sample year
// with the real page writer, written to a PDF file as `tellvane render` writes it;
// the page alone through the writer, recorded and turned into PDF bytes without the
// file; and the file writing alone, with and without the sync to disk the plot file
// makes before it replaces the old file. NenzuSakuzu renders and writes the page on
// a thread of its own, so the CPU time reported is the whole process's and the
// iterations follow the wall clock.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <vector>

#include "bench/SampleChart.h"
#include "pagewriter/DisplayList.h"
#include "pagewriter/PageFile.h"
#include "pagewriter/PageFormats.h"
#include "pagewriter/PageWriterOptions.h"
#include "pagewriter/Typeface.h"
#include "plot/PlotOutput.h"
#include "tests/support/FakePlatform.h"

namespace tellvane::bench {
namespace {

void BM_NenzuSakuzuToPdf(benchmark::State& state) {
    reportingErrors(state, [&] {
        QTemporaryDir dir;
        SampleChart chart(1024, 768, dir.path().toStdU16String());
        for (auto _ : state) chart.control().NenzuSakuzu();
        QFile written(dir.filePath(kPlotFileName));
        if (written.size() < 1000 || !written.open(QIODevice::ReadOnly) || !written.read(5).startsWith("%PDF"))
            throw std::runtime_error("no PDF file was written");
    });
}
BENCHMARK(BM_NenzuSakuzuToPdf)->Apply(onTheWallClock);

// The drawing calls of the sample year's page, kept to be replayed into the writer's
// display list: the control's own work stays out of the figure.
class CapturedPage final : public PlotDocument {
public:
    bool Active() override { return true; }
    bool Done() override { return true; }
    void SetupValue1(const std::u16string&) override {}
    void SetupValue2(double) override {}
    void SetupValue3(double) override {}
    void SetupValue4(double) override {}
    void SetupValue5(double) override {}
    void SetupValue6(std::int32_t) override {}
    void SetupValue7(std::int32_t) override {}
    void SetupValue8(std::int32_t) override {}
    void SetupValue9(std::int32_t) override {}
    void SetupValue10(double) override {}
    void SetupValue11(std::int32_t) override {}
    void SetupValue12(bool) override {}
    void StartDocument() override {}
    void DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue o1, OptionalValue o2,
                  OptionalValue o3) override {
        calls->push_back([=](pagewriter::DisplayList& page) { page.addLine(x1, y1, x2, y2, pen, o1, o2, o3); });
    }
    void DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                  double height, double extra, const PlotPen& pen, OptionalValue option,
                  OptionalValue anchor) override {
        text_(x, y, text, reserved, width, height, extra, pen, option, anchor, false);
    }
    void DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                   double height, double extra, const PlotPen& pen, OptionalValue option,
                   OptionalValue anchor) override {
        text_(x, y, text, reserved, width, height, extra, pen, option, anchor, true);
    }
    void OutputToFile(const std::u16string&) override {}
    void CloseDocument() override {}

    std::vector<std::function<void(pagewriter::DisplayList&)>>* calls = nullptr;

private:
    void text_(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
               double height, double extra, const PlotPen& pen, OptionalValue option, OptionalValue anchor, bool bold) {
        calls->push_back([=](pagewriter::DisplayList& page) {
            page.addText(x, y, text, reserved, width, height, extra, pen, option, anchor, bold);
        });
    }
};

std::vector<std::function<void(pagewriter::DisplayList&)>> sampleCalls() {
    std::vector<std::function<void(pagewriter::DisplayList&)>> calls;
    tellvane::test::TestPlatform tp;
    tp.plots.make = [&] {
        auto doc = std::make_unique<CapturedPage>();
        doc->calls = &calls;
        return doc;
    };
    HostedYear year(sampleYear().query(), std::cerr);
    TZenzu control(tp.platform());
    year.setUp(control);
    control.setEvents(&year.events());
    if (!control.NenZu()) throw std::runtime_error("the sample year did not load");
    control.NenzuSakuzu();
    return calls;
}

// The page through the writer as its output thread takes it: recorded into a display
// list, laid out, the face cut to its glyphs, the PDF's bytes made. No file, no sync;
// the face is read and pre-processed once per process, before the timing.
void BM_PageToPdf(benchmark::State& state) {
    reportingErrors(state, [&] {
        const auto calls = sampleCalls();
        const auto face = pagewriter::Typeface::load(pagewriter::existingFile(pagewriter::defaultTypefaces().front()));
        const pagewriter::PageSetup setup;
        std::size_t bytes = 0;
        for (auto _ : state) {
            pagewriter::DisplayList page;
            for (const auto& call : calls) call(page);
            bytes = pagewriter::pdfPage(page, setup, *face).size();
            benchmark::DoNotOptimize(bytes);
        }
        if (bytes < 1000) throw std::runtime_error("no PDF was made");
        state.counters["calls"] = static_cast<double>(calls.size());
        state.counters["bytes"] = static_cast<double>(bytes);
    });
}
BENCHMARK(BM_PageToPdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The bytes of the sample year's page.
std::string samplePage() {
    QTemporaryDir dir;
    SampleChart chart(1024, 768, dir.path().toStdU16String());
    chart.control().NenzuSakuzu();
    QFile written(dir.filePath(kPlotFileName));
    if (!written.open(QIODevice::ReadOnly)) throw std::runtime_error("no PDF file was written");
    return written.readAll().toStdString();
}

// The page's file as the page writer writes it: beside the target, synced, renamed.
void BM_PageFileWrite_Synced(benchmark::State& state) {
    reportingErrors(state, [&] {
        const std::string page = samplePage();
        QTemporaryDir dir;
        const std::string path = dir.filePath(kPlotFileName).toStdString();
        for (auto _ : state) pagewriter::writePageFile(path, page);
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
    });
}
BENCHMARK(BM_PageFileWrite_Synced)->Apply(onTheWallClock);

// The same steps without the sync: the share of the sync in the figures above.
void BM_PageFileWrite_Unsynced(benchmark::State& state) {
    reportingErrors(state, [&] {
        const std::string page = samplePage();
        QTemporaryDir dir;
        const QString path = dir.filePath(kPlotFileName);
        const QString temporary = path + ".new";
        const QByteArray bytes = QByteArray::fromStdString(page);
        for (auto _ : state) {
            QFile file(temporary);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size())
                throw std::runtime_error("the file could not be written");
            file.close();
            if (std::rename(temporary.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0)
                throw std::runtime_error("the file could not be renamed");
        }
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
    });
}
BENCHMARK(BM_PageFileWrite_Unsynced)->Apply(onTheWallClock);

}  // namespace
}  // namespace tellvane::bench

int main(int argc, char** argv) { return tellvane::bench::runBenchmarks(argc, argv); }
