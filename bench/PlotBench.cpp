// Speed of the plotted page (a benchmark, not a test): NenzuSakuzu of the sample year
// with the real PDF plot document, written to a PDF file as `tellvane render` writes
// it, and the file writing alone, with and without the sync to disk the plot file
// makes before it replaces the old file. The page is rendered and written on a
// thread of its own, so the CPU time reported is the whole process's and the
// iterations follow the wall clock.

#include <benchmark/benchmark.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <stdexcept>

#include "bench/SampleChart.h"
#include "plot/PlotOutput.h"
#include "plotdoc/PageFile.h"

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

// The bytes of the sample year's page.
QByteArray samplePage() {
    QTemporaryDir dir;
    SampleChart chart(1024, 768, dir.path().toStdU16String());
    chart.control().NenzuSakuzu();
    QFile written(dir.filePath(kPlotFileName));
    if (!written.open(QIODevice::ReadOnly)) throw std::runtime_error("no PDF file was written");
    return written.readAll();
}

// The page's file as the plot document writes it: beside the target, synced, renamed.
void BM_PageFileWrite_Synced(benchmark::State& state) {
    reportingErrors(state, [&] {
        const QByteArray page = samplePage();
        QTemporaryDir dir;
        const QString path = dir.filePath(kPlotFileName);
        for (auto _ : state) plotdoc::writePageFile(path, page);
        state.SetBytesProcessed(state.iterations() * page.size());
    });
}
BENCHMARK(BM_PageFileWrite_Synced)->Apply(onTheWallClock);

// The same steps without the sync: the share of the sync in the figures above.
void BM_PageFileWrite_Unsynced(benchmark::State& state) {
    reportingErrors(state, [&] {
        const QByteArray page = samplePage();
        QTemporaryDir dir;
        const QString path = dir.filePath(kPlotFileName);
        const QString temporary = path + ".new";
        for (auto _ : state) {
            QFile file(temporary);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(page) != page.size())
                throw std::runtime_error("the file could not be written");
            file.close();
            if (std::rename(temporary.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0)
                throw std::runtime_error("the file could not be renamed");
        }
        state.SetBytesProcessed(state.iterations() * page.size());
    });
}
BENCHMARK(BM_PageFileWrite_Unsynced)->Apply(onTheWallClock);

}  // namespace
}  // namespace tellvane::bench

int main(int argc, char** argv) { return tellvane::bench::runWithGuiApplication(argc, argv); }
