#include "pagewriter/PageSetup.h"

#include <array>
#include <utility>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {

namespace {

// Dash lengths beyond a few centimetres no longer read as a pattern on a sheet.
constexpr double kLongestPattern = 50.0;

// ISO 216 A0 to A6 in portrait: millimetres, and the whole points PDF pages of these
// sizes are given (the millimetres at 72 / 25.4, rounded).
struct Paper {
    double width, height;
    int widthPt, heightPt;
};
constexpr std::array<Paper, 7> kPapers{{{841, 1189, 2384, 3370},
                                        {594, 841, 1684, 2384},
                                        {420, 594, 1191, 1684},
                                        {297, 420, 842, 1191},
                                        {210, 297, 595, 842},
                                        {148, 210, 420, 595},
                                        {105, 148, 298, 420}}};

[[noreturn]] void refuse(const char* value, const std::string& why) {
    throw Error(kSetupRefused, std::string(value) + " refused: " + why);
}

double patternLength(const char* value, double mm) {
    if (!(mm > 0.0 && mm <= kLongestPattern)) refuse(value, "a length above 0 and at most 50 mm is needed");
    return mm;
}

int code(const char* value, std::int32_t v, int first, int last) {
    if (v < first || v > last)
        refuse(value, std::to_string(v) + " is not one of " + std::to_string(first) + " to " + std::to_string(last));
    return v;
}

}  // namespace

void PageSetup::setDashLength(double mm) { dash_ = patternLength("SetupValue2", mm); }
void PageSetup::setGapLength(double mm) { gap_ = patternLength("SetupValue3", mm); }
void PageSetup::setLongDashLength(double mm) { longDash_ = patternLength("SetupValue4", mm); }

void PageSetup::setPatternOffset(double mm) {
    if (!(mm >= 0.0 && mm <= kLongestPattern)) refuse("SetupValue5", "an offset from 0 to 50 mm is needed");
    offset_ = mm;
}

void PageSetup::setOrigin(std::int32_t v) { centred_ = code("SetupValue6", v, 0, 1) == 1; }
void PageSetup::setColourMode(std::int32_t v) { monochrome_ = code("SetupValue7", v, 0, 1) == 1; }
void PageSetup::setCopies(std::int32_t v) { copies_ = code("SetupValue8", v, 1, 99); }
void PageSetup::setLineEnds(std::int32_t v) { ends_ = static_cast<LineEnds>(code("SetupValue9", v, 0, 2)); }

void PageSetup::setUnitLength(double mm) {
    if (!(mm >= 0.01 && mm <= 100.0)) refuse("SetupValue10", "a unit from 0.01 to 100 mm is needed");
    unit_ = mm;
}

void PageSetup::setPaperSize(std::int32_t v) { paper_ = code("SetupValue11", v, 0, 6); }

Vec2 PageSetup::sheet() const {
    const Paper& p = kPapers[static_cast<std::size_t>(paper_)];
    return landscape_ ? Vec2{p.height, p.width} : Vec2{p.width, p.height};
}

Vec2 PageSetup::sheetPoints() const {
    const Paper& p = kPapers[static_cast<std::size_t>(paper_)];
    const double w = p.widthPt, h = p.heightPt;
    return landscape_ ? Vec2{h, w} : Vec2{w, h};
}

Vec2 PageSetup::origin() const {
    if (!centred_) return {0.0, 0.0};
    const Vec2 s = sheet();
    return {s.x / 2.0, s.y / 2.0};
}

}  // namespace tellvane::pagewriter
