#pragma once
// A drawing surface that draws nothing and records every call as a JSON line.
// Reads are answered from the sizes it was given and are not recorded.

#include "platform/DrawingSurface.h"
#include "recording/CallLog.h"

namespace tellvane {

class RecordingSurface : public DrawingSurface {
public:
    /// Twips per pixel of the recorded screen (96 DPI).
    static constexpr float kTwipsPerPixel = 15.0f;

    /// A surface of the given size in pixels; its outer width is width x 15 twips.
    RecordingSurface(float widthPixels, float heightPixels);

    CallLog& log() { return log_; }
    const std::vector<std::string>& lines() const { return log_.lines(); }
    /// Sets the outer width in twips independently of the scale width.
    void setOuterWidth(float twips) { outerWidth_ = twips; }

    float scaleWidth() override { return width_; }
    float scaleHeight() override { return height_; }
    float outerWidth() override { return outerWidth_; }
    void setLeft(float twips) override;
    void setTop(float twips) override;
    void setWidth(float twips) override;
    void setHeight(float twips) override;
    void setBackground(std::uint32_t rgb) override;
    void clear() override;
    void setLineStyle(LineStyle style) override;
    void setLineWidth(int pixels) override;
    void setTextColor(int palette) override;
    void setFontSize(float points) override;
    void setFontBold(bool bold) override;
    void line(float x1, float y1, float x2, float y2, int palette) override;
    void box(float x1, float y1, float x2, float y2, int palette) override;
    void fillBox(float x1, float y1, float x2, float y2, int palette) override;
    void setTextPos(float x, float y) override;
    void print(const std::u16string& text) override;

private:
    void shape(const char* op, float x1, float y1, float x2, float y2, int palette);
    CallLog log_;
    float width_, height_, outerWidth_;
};

}  // namespace tellvane
