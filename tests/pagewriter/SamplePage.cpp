#include "tests/pagewriter/SamplePage.h"

#include <iostream>
#include <stdexcept>

#include "yearhost/HostedYear.h"
#include "apps/tellvane/YearOptions.h"
#include "common/Text.h"
#include "control/TZenzu.h"
#include "plot/PlotOutput.h"
#include "tests/support/FakePlatform.h"

namespace tellvane::pagewriter::test {

std::string writeSamplePage(PlotDocumentFactory& documents, const std::string& directory) {
    cli::YearOptions options;
    options.data = {TELLVANE_SAMPLES_DIR "/nukada_303011283322030_2025.csv"};
    options.stations = TELLVANE_SAMPLES_DIR "/stations.csv";
    HostedYear year(options.query(), std::cerr);
    tellvane::test::TestPlatform tp;
    tp.plots.make = [&] { return documents.create(); };
    tp.library.dir = u16(directory);
    TZenzu control(tp.platform());
    year.setUp(control);
    control.setEvents(&year.events());
    if (!control.NenZu()) throw std::runtime_error("the sample year did not load");
    control.NenzuSakuzu();
    return directory + "/" + kPlotFileName;
}

}  // namespace tellvane::pagewriter::test
