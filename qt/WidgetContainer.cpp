#include "qt/WidgetContainer.h"

#include <QWidget>

#include "qt/Twips.h"

namespace tellvane {

// One resolution for both directions, the one the surface converts with.
float WidgetContainer::scaleWidth() {
    return static_cast<float>(widget_.width() * twipsPerPixel(widget_.logicalDpiX()));
}

float WidgetContainer::scaleHeight() {
    return static_cast<float>(widget_.height() * twipsPerPixel(widget_.logicalDpiX()));
}

}  // namespace tellvane
