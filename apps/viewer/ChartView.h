#pragma once
// The control widget as the viewer hosts it: it tells the host after each resize,
// once Picture1 has been fitted to the new size, so the host can redraw.

#include "qt/TZenzuWidget.h"

namespace tellvane::viewer {

class ChartView : public TZenzuWidget {
    Q_OBJECT
public:
    /// The widget with the host's parts (see TZenzuWidget::Parts).
    explicit ChartView(const Parts& parts, QWidget* parent = nullptr);

signals:
    /// The widget has a new size and Picture1 has followed it.
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace tellvane::viewer
