#pragma once
// A widget's client area as the control's container sees it: origin 0, 0 and the
// size in twips at the widget's logical resolution.

#include "platform/HostContainer.h"

class QWidget;

namespace tellvane {

class WidgetContainer : public HostContainer {
public:
    /// The widget must outlive the container.
    explicit WidgetContainer(QWidget& widget) : widget_(widget) {}

    float scaleLeft() override { return 0; }
    float scaleTop() override { return 0; }
    float scaleWidth() override;
    float scaleHeight() override;

private:
    QWidget& widget_;
};

}  // namespace tellvane
