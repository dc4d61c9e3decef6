// The hand-over of the page: the output file, the wait under the busy pointer, and
// how every way out releases the document and restores the pointer.

#include <gtest/gtest.h>

#include "tests/plot/PlotBench.h"

namespace tellvane::test {
namespace {

using Pointers = std::vector<MousePointer>;
const Pointers kBusyThenDefault = {MousePointer::Hourglass, MousePointer::Default};

TEST(PlotOutput, NamesTheFileInTheLibrarysDirectory) {
    PlotBench bench(distinctYear());
    bench.tp.library.dir = u"/opt/河川/lib";
    const auto output = ofOp(bench.plot(), "OutputToFile");
    ASSERT_EQ(output.size(), 1u);
    EXPECT_EQ(output[0]["path"], "/opt/河川/lib/M_g_l.kvd");
}

// The wait reads Active, then Done, and lets the host work between the polls; the
// polls end when Active is not true or Done is.
TEST(PlotOutput, WaitsForTheOutputWhileTheHostProcessesItsEvents) {
    struct Case {
        const char* output;
        long long activeFor, busyFor;
        long long activeReads, doneReads;
        int pumps;
    } cases[] = {
        {"already inactive", 0, 5, 1, 0, 0},
        {"done at once", -1, 0, 1, 1, 0},
        {"done after three polls", -1, 3, 4, 4, 3},
        {"inactive after two polls", 2, 100, 3, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        PlotBench bench(distinctYear());
        bench.docs.polls().activeFor = c.activeFor;
        bench.docs.polls().busyFor = c.busyFor;
        bool busyWhilePumping = true, closedWhilePumping = false;
        bench.tp.events.onPump = [&] {
            busyWhilePumping &= bench.tp.screen.pointers == Pointers{MousePointer::Hourglass};
            closedWhilePumping |= !ofOp(bench.records(), "CloseDocument").empty();
        };
        const auto records = bench.plot();
        EXPECT_EQ(bench.docs.polls().activeReads, c.activeReads);
        EXPECT_EQ(bench.docs.polls().doneReads, c.doneReads);
        EXPECT_EQ(bench.tp.events.calls, c.pumps);
        EXPECT_TRUE(busyWhilePumping);
        EXPECT_FALSE(closedWhilePumping);
        EXPECT_EQ(records.back()["op"], "CloseDocument");
        EXPECT_EQ(bench.docs.alive(), 0);
        EXPECT_EQ(bench.tp.screen.pointers, kBusyThenDefault);
    }
}

// The n-th call failing ends the page with its error: nothing more is recorded, the
// document is released, and a busy pointer does not outlast the failure.
TEST(PlotOutput, AFailingCallEndsThePageAndReleasesTheDocument) {
    PlotBench clean(distinctYear());
    const auto cleanRecords = clean.plot();
    const long long total = static_cast<long long>(cleanRecords.size());
    // The title comes before the axis caption's 3 texts and the table's 15.
    ASSERT_EQ(cleanRecords.at(static_cast<std::size_t>(total - 20 - 1))["op"], "DrawTitle");
    struct Case {
        const char* call;
        long long n;
        Pointers pointers;
    } cases[] = {
        {"the first set-up value", 1, {}},
        {"StartDocument", 3, {}},
        {"the frame's first line", 14, {}},
        {"a step-line tread", 1200, {}},
        {"the title", total - 20, {}},
        {"OutputToFile", total - 1, {}},
        {"CloseDocument", total, kBusyThenDefault},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        PlotBench bench(distinctYear());
        bench.docs.log().failAt(c.n, Error(77, "Plotter offline"));
        EXPECT_EQ(bench.plotFailure(), 77);
        EXPECT_EQ(static_cast<long long>(bench.docs.lines().size()), c.n - 1);
        EXPECT_EQ(bench.docs.created(), 1);
        EXPECT_EQ(bench.docs.alive(), 0);
        EXPECT_EQ(bench.tp.screen.pointers, c.pointers);
    }
}

TEST(PlotOutput, AFailingPollRestoresThePointer) {
    for (const long long failing : {1, 2, 5}) {
        SCOPED_TRACE(failing);
        PlotBench bench(distinctYear());
        bench.docs.polls().busyFor = 10;
        bench.docs.polls().failReadAt = failing;
        EXPECT_EQ(bench.plotFailure(), 1003);
        EXPECT_TRUE(ofOp(bench.records(), "CloseDocument").empty());
        EXPECT_EQ(bench.docs.alive(), 0);
        EXPECT_EQ(bench.tp.screen.pointers, kBusyThenDefault);
    }
}

TEST(PlotOutput, ADocumentThatCannotBeCreatedStopsBeforeAnythingElse) {
    PlotBench bench(distinctYear());
    bench.docs.failCreation(Error(429, "Component cannot create object"));
    const int namesBefore = bench.host.nameCalls;
    EXPECT_EQ(bench.plotFailure(), 429);
    EXPECT_TRUE(bench.docs.lines().empty());
    EXPECT_TRUE(bench.tp.settings.reads.empty());
    EXPECT_TRUE(bench.tp.screen.pointers.empty());
    EXPECT_EQ(bench.host.nameCalls, namesBefore);
}

// The host's events run during the wait and may call into the control again.
TEST(PlotOutput, TheHostMayPlotAgainWhileTheControlWaits) {
    PlotBench bench(distinctYear());
    bench.docs.polls().busyFor = 1;
    bool again = true;
    bench.tp.events.onPump = [&] {
        if (!again) return;
        again = false;
        bench.control.NenzuSakuzu();
    };
    const auto records = bench.plot();
    EXPECT_EQ(bench.docs.created(), 2);
    EXPECT_EQ(bench.docs.alive(), 0);
    EXPECT_EQ(ofOp(records, "CloseDocument").size(), 2u);
    EXPECT_EQ(bench.tp.screen.pointers.back(), MousePointer::Default);
}

}  // namespace
}  // namespace tellvane::test
