#pragma once
// The platform of the page where it differs from a headless host's: the chart
// area the page sizes, and messages kept for the page to show.

#include <string>

#include "platform/HostContainer.h"
#include "platform/MessageBox.h"

namespace tellvane::web {

/// The chart area, sized by the page in pixels; the control works in twips.
class ChartArea : public HostContainer {
public:
    void setPixels(int width, int height) {
        width_ = static_cast<float>(width * 15);
        height_ = static_cast<float>(height * 15);
    }
    float scaleLeft() override { return 0; }
    float scaleTop() override { return 0; }
    float scaleWidth() override { return width_; }
    float scaleHeight() override { return height_; }

private:
    float width_ = 0, height_ = 0;
};

/// Keeps the last message for the page.
class PageMessages : public MessageBox {
public:
    void show(const std::u16string& prompt, const std::u16string&, int) override { last = prompt; }
    std::u16string last;
};

}  // namespace tellvane::web
