#pragma once
// A control on fake platform pieces with a generated year and recording plot
// documents, and the means to read back what the page recorded.

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "control/TZenzu.h"
#include "recording/RecordingPlotDocument.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/YearHost.h"

namespace tellvane::test {

using Json = nlohmann::json;

/// The recorded lines, parsed.
std::vector<Json> parsed(const std::vector<std::string>& lines);

/// The records of one operation, in their order.
std::vector<Json> ofOp(const std::vector<Json>& records, const std::string& op);

/// A year whose day d of month m reads 40 m + d all day: every day has its own value.
YearHost distinctYear(int year = 2001);
/// A year whose every day reads the same text ("" for a year without values).
YearHost constantYear(const std::u16string& value, int year = 2001);

struct PlotBench {
    /// Runs NenZu on the host's year; the page is plotted by plot().
    explicit PlotBench(YearHost yearHost);

    TestPlatform tp;
    RecordingPlotDocumentFactory docs;
    YearHost host;
    TZenzu control;

    /// Sets the pen keys under BRACKENLY / SETTING.
    void pens(std::initializer_list<std::pair<std::u16string, std::u16string>> keys);
    /// Plots the page and returns every record; a failure fails the test.
    std::vector<Json> plot();
    /// Plots the page expecting it to fail; returns the error's number (0 when it did not).
    int plotFailure();
    /// The records so far.
    std::vector<Json> records() const { return parsed(docs.lines()); }
};

}  // namespace tellvane::test
