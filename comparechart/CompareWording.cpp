#include "comparechart/CompareWording.h"

#include "chartinput/DataKind.h"
#include "common/Era.h"
#include "common/Rounding.h"
#include "common/Text.h"

namespace tellvane {
namespace {

// The Mode texts the wording of the annual chart follows.
const std::u16string& modeOf(bool discharge) {
    static const std::u16string level = u"1", flow = u"7";
    return discharge ? flow : level;
}

}  // namespace

const std::u16string& compareTitle(bool discharge) {
    static const std::u16string level = u"日　水　位　比　較　図", flow = u"日　流　量　比　較　図";
    return discharge ? flow : level;
}

const std::u16string& durationCaption(bool discharge) {
    static const std::u16string level = u"水位持続曲線", flow = u"流況曲線";
    return discharge ? flow : level;
}

std::u16string sevenValueLabel(bool discharge, int k) { return statisticsLabel(modeOf(discharge), k); }

std::u16string compareYearLine(int year) {
    const std::u16string western = u"( " + plainInteger(year) + u" )";
    const auto era = eraOf(year);
    if (!era) return western;
    return era->name + u" " + plainInteger(era->year) + u" 年  " + western;
}

std::u16string valueText(std::optional<double> v) { return v ? twoDecimal(Round2(*v)) : u"－"; }

std::u16string yearSpan(int first, int last) {
    if (first == last) return plainInteger(first) + u" 年";
    return plainInteger(first) + u"〜" + plainInteger(last) + u" 年";
}

}  // namespace tellvane
