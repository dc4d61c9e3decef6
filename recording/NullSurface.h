#pragma once
// A drawing surface that does nothing: for timing the control without drawing.

#include "platform/DrawingSurface.h"

namespace tellvane {

class NullSurface : public DrawingSurface {
public:
    NullSurface(float widthPixels, float heightPixels) : width_(widthPixels), height_(heightPixels) {}
    float scaleWidth() override { return width_; }
    float scaleHeight() override { return height_; }
    float outerWidth() override { return width_ * 15; }
    void setLeft(float) override {}
    void setTop(float) override {}
    void setWidth(float twips) override { width_ = twips / 15; }
    void setHeight(float twips) override { height_ = twips / 15; }
    void setBackground(std::uint32_t) override {}
    void clear() override {}
    void setLineStyle(LineStyle) override {}
    void setLineWidth(int) override {}
    void setTextColor(int) override {}
    void setFontSize(float) override {}
    void setFontBold(bool) override {}
    void line(float, float, float, float, int) override {}
    void box(float, float, float, float, int) override {}
    void fillBox(float, float, float, float, int) override {}
    void setTextPos(float, float) override {}
    void print(const std::u16string&) override {}

private:
    float width_, height_;
};

}  // namespace tellvane
