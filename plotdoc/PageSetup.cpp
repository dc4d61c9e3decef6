#include "plotdoc/PageSetup.h"

#include <QFontDatabase>
#include <array>
#include <cmath>

#include "common/Error.h"
#include "common/Text.h"
#include "plotdoc/PlotDocErrors.h"

namespace tellvane::plotdoc {

namespace {

// The face the Japanese labels are designed for; fontconfig supplies it.
const QString kDefaultFamily = QStringLiteral("IPAGothic");

// Dash lengths beyond a few centimetres no longer read as a pattern on a sheet.
constexpr double kLongestPattern = 50.0;

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

void PageSetup::setFontFamily(const std::u16string& family) {
    if (!family.empty() && !QFontDatabase::hasFamily(QString::fromStdU16String(family)))
        refuse("SetupValue1", "the typeface \"" + toUtf8(family) + "\" is not installed");
    family_ = family;
}

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
void PageSetup::setLandscape(bool landscape) { landscape_ = landscape; }

QString PageSetup::fontFamily() const { return family_.empty() ? kDefaultFamily : QString::fromStdU16String(family_); }

QPageSize PageSetup::pageSize() const {
    static constexpr std::array kSizes{QPageSize::A0, QPageSize::A1, QPageSize::A2, QPageSize::A3,
                                       QPageSize::A4, QPageSize::A5, QPageSize::A6};
    return QPageSize(kSizes[static_cast<std::size_t>(paper_)]);
}

QSizeF PageSetup::sheet() const {
    const QSizeF portrait = pageSize().size(QPageSize::Millimeter);
    return landscape_ ? portrait.transposed() : portrait;
}

QPointF PageSetup::origin() const {
    if (!centred_) return {0.0, 0.0};
    const QSizeF s = sheet();
    return {s.width() / 2.0, s.height() / 2.0};
}

}  // namespace tellvane::plotdoc
