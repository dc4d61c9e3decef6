// The recording plot document's lines, its failures on demand, and how it answers
// the wait after its output.

#include <gtest/gtest.h>

#include <memory>

#include "recording/RecordingPlotDocument.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

using test::errorOf;
constexpr ReservedWords kZero{};

TEST(RecordingPlotDocument, RecordsEachCallAsOneJsonLine) {
    RecordingPlotDocumentFactory docs;
    auto doc = docs.create();
    doc->SetupValue10(1.0);
    doc->SetupValue1(u"");
    doc->SetupValue2(2.5);
    doc->SetupValue6(-7);
    doc->SetupValue12(true);
    doc->StartDocument();
    doc->DrawLine(50, 10, 50, 250, PlotPen(0), std::nullopt, std::nullopt, std::nullopt);
    doc->DrawLine(350.0 / 12 * 0.5 / 31 + 50, 250, 0.1, -232.75, PlotPen(u"2"), 1, std::nullopt, 1);
    doc->DrawText(49, 20, u"0.00", kZero, 3, 3, 0, PlotPen(-3), 1, 5);
    doc->DrawText(53, 252, u"水系名\"\\", kZero, 2.5, 2.5, 0, PlotPen(0), std::nullopt, 0);
    doc->DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, PlotPen(70000), std::nullopt, std::nullopt);
    doc->OutputToFile(u"/usr/lib/M_g_l.kvd");
    doc->CloseDocument();
    const std::vector<std::string> expected = {
        R"({"op":"SetupValue10","value":1})",
        R"({"op":"SetupValue1","value":""})",
        R"({"op":"SetupValue2","value":2.5})",
        R"({"op":"SetupValue6","value":-7})",
        R"({"op":"SetupValue12","value":true})",
        R"({"op":"StartDocument"})",
        R"({"op":"DrawLine","x1":50,"y1":10,"x2":50,"y2":250,"pen":0,"opt":[null,null,null]})",
        R"({"op":"DrawLine","x1":50.47043010752688,"y1":250,"x2":0.1,"y2":-232.75,"pen":"2","opt":[1,null,1]})",
        R"({"op":"DrawText","x":49,"y":20,"text":"0.00","width":3,"height":3,"extra":0,"pen":-3,"option":1,"anchor":5})",
        R"({"op":"DrawText","x":53,"y":252,"text":"水系名\"\\","width":2.5,"height":2.5,"extra":0,"pen":0,"option":null,"anchor":0})",
        R"({"op":"DrawTitle","x":180,"y":268,"text":"日　水　位　年　図","width":9,"height":9,"extra":0,"pen":70000,"option":null,"anchor":null})",
        R"({"op":"OutputToFile","path":"/usr/lib/M_g_l.kvd"})",
        R"({"op":"CloseDocument"})",
    };
    EXPECT_EQ(docs.lines(), expected);
}

TEST(RecordingPlotDocument, ShowsReservedWordsOnlyWhenTheyAreNotZero) {
    RecordingPlotDocumentFactory docs;
    auto doc = docs.create();
    doc->DrawText(1, 2, u"a", ReservedWords{0, 0, 3, 0, -1}, 4, 4, 0, PlotPen(0), std::nullopt, std::nullopt);
    EXPECT_EQ(
        docs.lines().at(0),
        R"({"op":"DrawText","x":1,"y":2,"text":"a","reserved":[0,0,3,0,-1],"width":4,"height":4,"extra":0,"pen":0,"option":null,"anchor":null})");
}

TEST(RecordingPlotDocument, FailsTheNthCallAndDoesNotCountReads) {
    RecordingPlotDocumentFactory docs;
    std::vector<std::string> sunk;
    docs.log().setSink([&](const std::string& line) { sunk.push_back(line); });
    docs.log().failAt(3, Error(77, "Plotter offline"));
    auto doc = docs.create();
    doc->SetupValue11(3);
    EXPECT_FALSE(doc->Active());  // not started: a read, not a call
    doc->StartDocument();
    EXPECT_EQ(errorOf([&] { doc->SetupValue1(u"x"); }), 77);
    doc->SetupValue7(0);
    EXPECT_EQ(docs.lines(), (std::vector<std::string>{R"({"op":"SetupValue11","value":3})", R"({"op":"StartDocument"})",
                                                      R"({"op":"SetupValue7","value":0})"}));
    EXPECT_EQ(sunk, docs.lines());
}

TEST(RecordingPlotDocument, AnswersTheWaitAsToldAndCountsTheReads) {
    struct Case {
        const char* plan;
        long long activeFor, busyFor;
        std::vector<bool> active, done;  // answers of reads 1, 2, ... after the output starts
    } cases[] = {
        {"open, done at once", -1, 0, {true, true}, {true, true}},
        {"busy for two reads", -1, 2, {true, true, true}, {false, false, true}},
        {"active for one read", 1, 5, {true, false, false}, {false, false}},
        {"inactive at once", 0, 0, {false}, {true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plan);
        RecordingPlotDocumentFactory docs;
        docs.polls().activeFor = c.activeFor;
        docs.polls().busyFor = c.busyFor;
        auto doc = docs.create();
        doc->StartDocument();
        doc->OutputToFile(u"/tmp/p");
        for (std::size_t i = 0; i < c.active.size(); ++i) EXPECT_EQ(doc->Active(), c.active[i]) << i;
        for (std::size_t i = 0; i < c.done.size(); ++i) EXPECT_EQ(doc->Done(), c.done[i]) << i;
        EXPECT_EQ(docs.polls().activeReads, static_cast<long long>(c.active.size()));
        EXPECT_EQ(docs.polls().doneReads, static_cast<long long>(c.done.size()));
        EXPECT_EQ(docs.lines().size(), 2u);
    }
}

TEST(RecordingPlotDocumentFactory, CountsItsDocumentsAndSharesOneLog) {
    RecordingPlotDocumentFactory docs;
    auto first = docs.create();
    auto second = docs.create();
    EXPECT_EQ(docs.created(), 2);
    EXPECT_EQ(docs.alive(), 2);
    first->StartDocument();
    second->CloseDocument();
    EXPECT_EQ(docs.lines(), (std::vector<std::string>{R"({"op":"StartDocument"})", R"({"op":"CloseDocument"})"}));
    first.reset();
    EXPECT_EQ(docs.alive(), 1);
    docs.failCreation(Error(429, "Component cannot create object"));
    EXPECT_EQ(errorOf([&] { docs.create(); }), 429);
    EXPECT_EQ(docs.created(), 2);
}

}  // namespace
}  // namespace tellvane
