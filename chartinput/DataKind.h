#pragma once
// The wording that follows the data kind: Mode "7" (exactly) is daily discharge,
// any other text daily water level.

#include <string>

namespace tellvane {

bool isDischarge(const std::u16string& mode);

/// "日　流　量　年　図" or "日　水　位　年　図".
const std::u16string& chartTitle(const std::u16string& mode);
/// The value axis caption's upper and lower character: 流 量 or 水 位.
const std::u16string& captionUpper(const std::u16string& mode);
const std::u16string& captionLower(const std::u16string& mode);
/// The seven statistics labels, five characters each (maximum, 95th, 185th, 275th,
/// 355th largest, minimum, mean), as one text of 35 characters.
const std::u16string& statisticsLabels(const std::u16string& mode);
/// Label k (1-7) of the text above.
std::u16string statisticsLabel(const std::u16string& mode, int k);

}  // namespace tellvane
