#include "records/WaterDbHeader.h"

#include <array>
#include <optional>

#include "common/Text.h"
#include "records/InvisibleText.h"
#include "records/ShownText.h"
#include "records/TextTrim.h"

namespace tellvane {
namespace {

struct Title {
    std::u16string_view text;
    WaterDbLayout layout;
    SeriesKind kind;
};

constexpr std::array<Title, 4> kTitles = {{
    {u"時刻水位月表検索結果", WaterDbLayout::HourlyMonth, SeriesKind::Level},
    {u"時刻流量月表検索結果", WaterDbLayout::HourlyMonth, SeriesKind::Discharge},
    {u"日水位年表検索結果", WaterDbLayout::DailyYear, SeriesKind::Level},
    {u"日流量年表検索結果", WaterDbLayout::DailyYear, SeriesKind::Discharge},
}};

// Lines 2 to 5 hold "key,value"; this is where each value goes.
enum NameKey { kSystem, kRiver, kStation, kNumber, kNameKeys };
constexpr std::array<std::u16string_view, kNameKeys> kKeys = {u"水系名", u"河川名", u"観測所名", u"観測所記号"};

}  // namespace

WaterDbHeader parseWaterDbHeader(const std::vector<std::u16string>& lines, const std::string& file) {
    if (lines.size() < kWaterDbHeaderLines)
        throw InputError(file, 0, "the header has " + std::to_string(lines.size()) + " lines, expected ten");

    WaterDbHeader header{};
    const std::u16string_view title = trimBlanks(lines[0]);
    const Title* found = nullptr;
    for (const Title& t : kTitles)
        if (t.text == title) found = &t;
    if (!found)
        throw InputError(file, 1,
                         shownText(title) +
                             " is not a table this program reads (時刻水位月表, 時刻流量月表, "
                             "日水位年表 or 日流量年表 検索結果)");
    header.layout = found->layout;
    header.kind = found->kind;

    std::array<std::optional<std::u16string>, kNameKeys> values;
    std::array<long, kNameKeys> lineOf{};
    for (std::size_t i = 1; i <= 4; ++i) {
        const std::u16string_view line = lines[i];
        const std::size_t comma = line.find(u',');
        const std::u16string_view key = trimBlanks(line.substr(0, comma));
        int slot = -1;
        for (int k = 0; k < kNameKeys; ++k)
            if (kKeys[k] == key) slot = k;
        if (slot < 0 || comma == std::u16string_view::npos || values[slot])
            throw InputError(file, static_cast<long>(i + 1),
                             "expected one of 水系名, 河川名, 観測所名, 観測所記号 followed by a comma and its value");
        values[slot] = std::u16string(trimBlanks(line.substr(comma + 1)));
        checkVisibleText(*values[slot], "the " + toUtf8(kKeys[slot]), InputPlace{file, static_cast<long>(i + 1)});
        lineOf[slot] = static_cast<long>(i + 1);
    }
    header.station = *values[kNumber];
    if (header.station.empty()) throw InputError(file, lineOf[kNumber], "the station number (観測所記号) is empty");
    header.names = {*values[kStation], *values[kSystem], *values[kRiver]};
    header.namesLine = lineOf[kStation];

    for (std::size_t i = 5; i < 9; ++i)
        if (!lines[i].starts_with(u'#'))
            throw InputError(file, static_cast<long>(i + 1), "expected a header line beginning with #");
    if (!lines[9].starts_with(u',')) throw InputError(file, 10, "expected the column captions, beginning with a comma");
    header.monthlyMean = lines[9].find(u"平均") != std::u16string::npos;
    return header;
}

}  // namespace tellvane
