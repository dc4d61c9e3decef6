#pragma once
// The comparison on a plot document: an A3 landscape page in millimetres within
// margins of 10, drawn with the page writer's pens. A plot document fills nothing,
// so a band is a hatch of grey lines, the wider the inner the band.

#include "comparechart/ComparePainter.h"
#include "platform/PlotDocument.h"

namespace tellvane {

class PagePainter final : public ComparePainter {
public:
    static constexpr double kSheetWidth = 420, kSheetHeight = 297, kMargin = 10;
    static constexpr double kEm = 4;  ///< millimetres

    explicit PagePainter(PlotDocument& doc) : doc_(doc) {}

    /// The set-up of the page, StartDocument among it: A3 landscape, millimetres,
    /// the pens' colours, flat line ends so that a hatch ends at its values.
    void setUp();

    PainterSize size() override;
    void band(double x1, double x2, double top, double bottom, Ink ink) override;
    void line(double x1, double y1, double x2, double y2, Ink ink) override;
    void text(double x, double y, const std::u16string& text, double size, Align align, Ink ink) override;

private:
    double pageX(double x) const { return kMargin + x; }
    double pageY(double y) const { return kSheetHeight - kMargin - y; }
    PlotDocument& doc_;
};

}  // namespace tellvane
