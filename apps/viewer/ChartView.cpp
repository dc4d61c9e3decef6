#include "apps/viewer/ChartView.h"

namespace tellvane::viewer {

ChartView::ChartView(const Parts& parts, QWidget* parent) : TZenzuWidget(parts, parent) {}

void ChartView::resizeEvent(QResizeEvent* event) {
    // The base fits Picture1 first: a redraw before it would draw at the old size.
    TZenzuWidget::resizeEvent(event);
    emit resized();
}

}  // namespace tellvane::viewer
