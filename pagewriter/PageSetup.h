#pragma once
// The twelve set-up values of a plot document, each with its meaning on this page.
// A value outside what the document can honour is refused with kSetupRefused; a
// value never set keeps the default, which is what the control sets.

#include <cstdint>
#include <string>

namespace tellvane::pagewriter {

/// How the ends of each line and dash are drawn (SetupValue9).
enum class LineEnds { Flat = 0, Round = 1, Square = 2 };

/// A point or a width and height on the sheet.
struct Vec2 {
    double x = 0.0, y = 0.0;
};

class PageSetup {
public:
    /// SetupValue1: the typeface of the texts; empty selects the default face. The
    /// document checks that it knows the family before it sets it.
    void setFontFamily(std::u16string family) { family_ = std::move(family); }
    /// SetupValue2: length of a dash, millimetres on the paper.
    void setDashLength(double mm);
    /// SetupValue3: length of the gap after a dash or a dot, millimetres.
    void setGapLength(double mm);
    /// SetupValue4: length of the long dash of the dash-dot type, millimetres.
    void setLongDashLength(double mm);
    /// SetupValue5: how far into its pattern every patterned line starts, millimetres.
    void setPatternOffset(double mm);
    /// SetupValue6: where page coordinates (0, 0) lie: 0 lower-left corner, 1 centre.
    void setOrigin(std::int32_t code);
    /// SetupValue7: 0 draws the pens' colours, 1 draws every pen black.
    void setColourMode(std::int32_t code);
    /// SetupValue8: how many identical pages a PDF file holds, 1 to 99.
    void setCopies(std::int32_t count);
    /// SetupValue9: line ends, 0 flat, 1 round, 2 square.
    void setLineEnds(std::int32_t code);
    /// SetupValue10: millimetres on the paper per page unit.
    void setUnitLength(double mm);
    /// SetupValue11: ISO A paper size number, 0 (A0) to 6 (A6).
    void setPaperSize(std::int32_t number);
    /// SetupValue12: true for landscape, false for portrait.
    void setLandscape(bool landscape) { landscape_ = landscape; }

    /// The family asked for; empty for the default face.
    const std::u16string& fontFamily() const { return family_; }
    double dashLength() const { return dash_; }
    double gapLength() const { return gap_; }
    double longDashLength() const { return longDash_; }
    double patternOffset() const { return offset_; }
    bool monochrome() const { return monochrome_; }
    int copies() const { return copies_; }
    LineEnds lineEnds() const { return ends_; }
    double unitLength() const { return unit_; }
    bool landscape() const { return landscape_; }
    /// Width and height of the sheet as drawn, millimetres.
    Vec2 sheet() const;
    /// Width and height of the sheet as drawn in whole points, as PDF pages are sized.
    Vec2 sheetPoints() const;
    /// Where page coordinates (0, 0) lie, millimetres from the sheet's lower-left corner.
    Vec2 origin() const;

private:
    std::u16string family_;
    double dash_ = 2.0, gap_ = 2.0, longDash_ = 3.0, offset_ = 0.0;
    bool centred_ = false, monochrome_ = false;
    int copies_ = 1;
    LineEnds ends_ = LineEnds::Round;
    double unit_ = 1.0;
    int paper_ = 3;
    bool landscape_ = true;
};

}  // namespace tellvane::pagewriter
