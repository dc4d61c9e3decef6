#include "apps/tellvane/YearOptions.h"

#include <charconv>

#include "common/Text.h"

namespace tellvane::cli {
namespace {

// "WxH" with whole numbers of pixels from 1 to kLargestChartSide, nullopt for
// anything else.
std::optional<ChartSize> parseSize(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    ChartSize size;
    const auto whole = [](std::string_view digits, int& out) {
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        return ec == std::errc() && end == digits.data() + digits.size() && out > 0 && out <= kLargestChartSide;
    };
    const std::string_view all(text);
    if (!whole(all.substr(0, x), size.width) || !whole(all.substr(x + 1), size.height)) return std::nullopt;
    return size;
}

}  // namespace

YearRequest YearOptions::request() const {
    YearRequest r;
    if (station) r.station = fromUtf8(*station);
    r.year = year;
    if (kind) r.kind = *kind == "discharge" ? SeriesKind::Discharge : SeriesKind::Level;
    if (mode) r.kind = *mode == "7" ? SeriesKind::Discharge : SeriesKind::Level;
    return r;
}

std::optional<std::u16string> YearOptions::requestedMode() const {
    if (mode) return fromUtf8(*mode);
    if (kind) return std::u16string(*kind == "discharge" ? u"7" : u"1");
    return std::nullopt;
}

void addYearOptions(CLI::App& command, YearOptions& o) {
    command.add_option("--data", o.data, kDataHelp)->required();
    command.add_option("--stations", o.stations, "Station catalogue CSV: station,name,water_system,river");
    command.add_option("--station", o.station, "Station number; may be left out when the data holds one station");
    command.add_option("--year", o.year, "Year; may be left out when the station has readings in one year");
    auto* mode = command.add_option(
        "--mode", o.mode,
        "The control's Mode text as it stands (1 level, 7 discharge, 4 level with the daily mid-range)");
    auto* kind = command.add_option("--kind", o.kind, "level (Mode 1) or discharge (Mode 7)")
                     ->check(CLI::IsMember({"level", "discharge"}));
    mode->excludes(kind);
}

const CLI::Validator& nonEmpty() {
    static const CLI::Validator kNonEmpty(
        [](const std::string& text) { return text.empty() ? std::string("must name a folder, not be empty") : std::string(); },
        "", "NONEMPTY");
    return kNonEmpty;
}

void addSizeOption(CLI::App& command, ChartSize& size) {
    command.add_option_function<std::string>(
        "--size",
        [&size](const std::string& text) {
            const auto parsed = parseSize(text);
            if (!parsed)
                throw CLI::ValidationError("--size", "'" + text + "': expected WxH in pixels, each from 1 to " +
                                                         std::to_string(kLargestChartSide) + ", e.g. 1024x768");
            size = *parsed;
        },
        "Chart size in pixels, WxH, each side at most " + std::to_string(kLargestChartSide) + " (default 1024x768)");
}

}  // namespace tellvane::cli
