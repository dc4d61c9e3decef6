#include "chartinput/DataKind.h"

namespace tellvane {
namespace {

struct Wording {
    std::u16string title, upper, lower, labels;
};

const Wording& wording(const std::u16string& mode) {
    static const Wording discharge{u"日　流　量　年　図", u"流", u"量",
                                   u"最大流量　豊　流　量平　流　量低　流　量渇　流　量最小流量　年平均流量"};
    static const Wording level{u"日　水　位　年　図", u"水", u"位",
                               u"最大水位　豊　水　位平　水　位低　水　位渇　水　位最小水位　年平均水位"};
    return isDischarge(mode) ? discharge : level;
}

}  // namespace

bool isDischarge(const std::u16string& mode) { return mode == u"7"; }
const std::u16string& chartTitle(const std::u16string& mode) { return wording(mode).title; }
const std::u16string& captionUpper(const std::u16string& mode) { return wording(mode).upper; }
const std::u16string& captionLower(const std::u16string& mode) { return wording(mode).lower; }
const std::u16string& statisticsLabels(const std::u16string& mode) { return wording(mode).labels; }
std::u16string statisticsLabel(const std::u16string& mode, int k) {
    return statisticsLabels(mode).substr(static_cast<std::size_t>(5 * (k - 1)), 5);
}

}  // namespace tellvane
