#pragma once
// The comparison's Japanese texts, in the words of the annual chart.

#include <optional>
#include <string>

namespace tellvane {

/// "日　水　位　比　較　図" or "日　流　量　比　較　図".
const std::u16string& compareTitle(bool discharge);
/// The duration plot's caption: "水位持続曲線" or "流況曲線".
const std::u16string& durationCaption(bool discharge);
/// Label k (1-7) of the seven values, as the annual chart's statistics box has it.
std::u16string sevenValueLabel(bool discharge, int k);
/// "令和 7 年 ( 2025 )", or "( 1850 )" before the eras.
std::u16string compareYearLine(int year);
/// A value with two decimals as the charts show it; "－" when absent.
std::u16string valueText(std::optional<double> v);
/// "2016〜2024 年", or "2020 年" for one year.
std::u16string yearSpan(int first, int last);

}  // namespace tellvane
