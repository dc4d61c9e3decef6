// A host without any toolkit: a made-up year of hourly readings held in memory,
// handed to the control block by block; prints the year's characteristic values,
// then every drawing call of the chart as a JSON line.
//   tellvane_headless_host [TRACE_FILE]     exits non-zero when the year fails
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "control/TZenzu.h"
#include "control/TZenzuEvents.h"
#include "hostkit/HeadlessPlatform.h"
#include "hostkit/TenDayBlocks.h"
#include "recording/RecordingPlotDocument.h"
#include "recording/RecordingSurface.h"

namespace {

constexpr int kYear = 2001;

// The host's own data: a stage in metres for each hour of the year, with a
// summer flood; a real host reads its files or database here.
std::vector<double> hourlyStage() {
    std::vector<double> stage;
    for (int day = 0; day < 365; ++day)
        for (int hour = 0; hour < 24; ++hour)
            stage.push_back(1.2 + 0.4 * std::sin(day / 58.0) + (day >= 200 && day < 204 ? 2.5 : 0.0));
    return stage;
}

// Answers the control's events from the readings above.
class MemoryYear : public tellvane::TZenzuEvents {
public:
    explicit MemoryYear(std::vector<double> stage) : stage_(std::move(stage)) {}

    void GetBlockData(std::int32_t& datano, tellvane::BlockArray& Suii, bool& ret) override {
        const tellvane::BlockSpan span = tellvane::blockSpan(kYear, datano);
        const int firstOfMonth = dayOfYear(span.month);
        tellvane::fillBlock(Suii, span, [&](int day, int hour) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", stage_[(firstOfMonth + day - 1) * 24 + hour - 1]);
            return std::u16string(text, text + std::char_traits<char>::length(text));
        });
        ret = true;
    }
    void GetLKansokujo(std::u16string&, std::u16string& Kansokujo, std::u16string& Suikei,
                       std::u16string& Kasen) override {
        Kansokujo = u"見本";
        Suikei = Kasen = u"見本川";
    }

private:
    static int dayOfYear(int month) {
        int days = 0;
        for (int m = 1; m < month; ++m) days += tellvane::daysInMonth(kYear, m);
        return days;
    }
    std::vector<double> stage_;
};

}  // namespace

int main(int argc, char** argv) {
    tellvane::RecordingSurface surface(800, 600);
    tellvane::RecordingPlotDocumentFactory plots;
    tellvane::EmptySettings settings;
    tellvane::IdleEventPump idle;
    tellvane::HeadlessPlatform headless(tellvane::HeadlessParts{surface, plots, settings, idle}, std::cerr, u".");
    tellvane::TZenzu control(headless.platform());
    MemoryYear year(hourlyStage());
    control.setEvents(&year);
    control.setKansokujoNO(u"000000000000001");
    control.setSeireki(kYear);
    if (!control.NenZu()) return 1;

    const char* names[] = {"", "max", "high", "normal", "low", "drought", "min", "mean"};
    for (int slot = tellvane::kStatMax; slot <= tellvane::kStatMean; ++slot)
        std::printf("%-8s %.2f\n", names[slot], control.store().Stats(slot));
    std::printf("%zu drawing calls\n", surface.lines().size());
    if (argc > 1) {
        std::ofstream trace(argv[1]);
        for (const std::string& line : surface.lines()) trace << line << '\n';
        if (!trace.flush()) return 1;
    }
    return 0;
}
