#include "yearhost/ChartNames.h"

#include <array>
#include <fstream>
#include <string_view>
#include <system_error>

#include "chartinput/DataKind.h"
#include "common/Text.h"

namespace tellvane {
namespace {

constexpr std::u16string_view kLevelMode = u"1", kDischargeMode = u"7";
// A page of ours is a few tens of kilobytes; a larger file is not one of ours and is
// not read.
constexpr std::streamsize kMostPageBytes = 4 << 20;

const char* kindOfMode(const std::u16string& mode) { return isDischarge(mode) ? "discharge" : "level"; }

bool isThere(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

// The UTF-16 text of a hex string "<FEFF...>" that starts at text's beginning.
std::optional<std::u16string> utf16Hex(std::string_view text) {
    const std::size_t end = text.find('>');
    if (end == std::string_view::npos || end % 4 != 0) return std::nullopt;
    std::u16string out;
    for (std::size_t i = 0; i < end; i += 4) {
        char16_t unit = 0;
        for (std::size_t k = i; k < i + 4; ++k) {
            const int d = hexDigitValue(text[k]);
            if (d < 0) return std::nullopt;
            unit = static_cast<char16_t>(unit * 16 + d);
        }
        out += unit;
    }
    return out;
}

}  // namespace

ChartPaths chartPaths(const std::filesystem::path& dir, const std::string& stem) {
    return {dir / (stem + ".png"), dir / (stem + ".pdf")};
}

std::string chartStem(const SelectedYear& selected) {
    std::string station = toUtf8(selected.station);
    for (char& c : station)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    if (station.empty() || station.starts_with('.')) station.insert(0, "_");
    std::string year = std::to_string(selected.year);  // four digits at least: NO_0001
    if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
    return station + "_" + year;
}

std::optional<std::u16string> pageTitleOf(const std::filesystem::path& pdf) {
    std::error_code ec;  // a FIFO or device of that name is never opened: it could block
    if (!std::filesystem::is_regular_file(pdf, ec)) return std::nullopt;
    std::ifstream in(pdf, std::ios::binary | std::ios::ate);
    const std::streamsize size = in ? static_cast<std::streamsize>(in.tellg()) : 0;
    if (size <= 0 || size > kMostPageBytes) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (!bytes.starts_with("%PDF-")) return std::nullopt;
    constexpr std::string_view key = "/Title <FEFF";
    const std::size_t at = bytes.rfind(key);
    if (at == std::string::npos) return std::nullopt;
    return utf16Hex(std::string_view(bytes).substr(at + key.size()));
}

std::string stemInFolder(const std::filesystem::path& dir, const SelectedYear& selected, const std::u16string& mode) {
    const std::string stem = chartStem(selected);
    const std::string kind = kindOfMode(mode);
    const std::string other = isDischarge(mode) ? "level" : "discharge";
    const std::u16string otherTitle(chartTitle(std::u16string(isDischarge(mode) ? kLevelMode : kDischargeMode)));
    const ChartPaths plain = chartPaths(dir, stem), otherNamed = chartPaths(dir, stem + "_" + other);
    const bool otherHere = isThere(otherNamed.png) || isThere(otherNamed.pdf) || pageTitleOf(plain.pdf) == otherTitle;
    return otherHere ? stem + "_" + kind : stem;
}

}  // namespace tellvane
