#include "comparechart/CompareGrid.h"

#include "common/Text.h"
#include "comparechart/CalendarDays.h"

namespace tellvane {
namespace {

void across(ComparePainter& painter, const CompareLayout& layout, double y, Ink ink) {
    painter.line(layout.daily.left, y, layout.daily.right, y, ink);
    painter.line(layout.duration.left, y, layout.duration.right, y, ink);
}

void frame(ComparePainter& painter, const Rect& r) {
    painter.line(r.left, r.top, r.right, r.top, Ink::Frame);
    painter.line(r.right, r.top, r.right, r.bottom, Ink::Frame);
    painter.line(r.right, r.bottom, r.left, r.bottom, Ink::Frame);
    painter.line(r.left, r.bottom, r.left, r.top, Ink::Frame);
}

// Minor rules per step: as many as keep them two characters apart, of 5, 2 or 1.
int minorsPerStep(const CompareLayout& layout) {
    const double stepHeight =
        layout.value.toDevice(layout.axis.low) - layout.value.toDevice(layout.axis.low + layout.axis.step);
    for (const int n : {5, 2})
        if (stepHeight / n >= 0.9 * layout.size.em) return n;
    return 1;
}

}  // namespace

void drawValueRules(ComparePainter& painter, const CompareLayout& layout) {
    const double e = layout.size.em;
    const int steps = layout.axis.steps(), minors = minorsPerStep(layout);
    for (int k = 0; k <= steps * minors; ++k) {
        const double v = layout.axis.low + layout.axis.step * k / minors;
        const double y = layout.value.toDevice(v);
        if (k % minors != 0) {
            across(painter, layout, y, Ink::FineRule);
            continue;
        }
        if (k > 0 && k < steps * minors) across(painter, layout, y, Ink::Rule);
        painter.text(layout.daily.left - 0.3 * e, y - 0.5 * e, twoDecimal(v), e, Align::Right, Ink::Text);
    }
}

void drawMonthRules(ComparePainter& painter, const CompareLayout& layout) {
    const Rect& d = layout.daily;
    for (int m = 1; m <= 12; ++m) {
        const int start = monthFirstSlot(m);
        if (m > 1) painter.line(layout.day.toDevice(start), d.top, layout.day.toDevice(start), d.bottom, Ink::Rule);
        for (const int day : {10, 20}) {
            const double x = layout.day.toDevice(start + day);
            painter.line(x, d.top, x, d.bottom, Ink::FineRule);
        }
        const double middle = (layout.day.toDevice(start) + layout.day.toDevice(monthFirstSlot(m + 1))) / 2;
        painter.text(middle, d.bottom + 0.4 * layout.size.em, plainInteger(m) + u"月", layout.size.em, Align::Centre,
                     Ink::Text);
    }
}

void drawRankRules(ComparePainter& painter, const CompareLayout& layout) {
    const Rect& d = layout.duration;
    for (const int rank : {95, 185, 275, 355}) {
        const double x = layout.rank.toDevice(rank);
        painter.line(x, d.top, x, d.bottom, Ink::FineRule);
        painter.text(x, d.bottom + 0.4 * layout.size.em, plainInteger(rank), layout.size.em, Align::Centre, Ink::Text);
    }
}

void drawFrames(ComparePainter& painter, const CompareLayout& layout) {
    frame(painter, layout.daily);
    frame(painter, layout.duration);
}

}  // namespace tellvane
