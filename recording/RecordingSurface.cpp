#include "recording/RecordingSurface.h"

#include <cstdio>

#include "recording/JsonLine.h"

namespace tellvane {

RecordingSurface::RecordingSurface(float widthPixels, float heightPixels)
    : width_(widthPixels), height_(heightPixels), outerWidth_(widthPixels * kTwipsPerPixel) {}

void RecordingSurface::setLeft(float twips) { log_.write(JsonLine().add("op", "left").add("twips", twips).str()); }
void RecordingSurface::setTop(float twips) { log_.write(JsonLine().add("op", "top").add("twips", twips).str()); }
void RecordingSurface::setWidth(float twips) {
    log_.write(JsonLine().add("op", "width").add("twips", twips).str());
    outerWidth_ = twips;
    width_ = twips / kTwipsPerPixel;
}
void RecordingSurface::setHeight(float twips) {
    log_.write(JsonLine().add("op", "height").add("twips", twips).str());
    height_ = twips / kTwipsPerPixel;
}

void RecordingSurface::setBackground(std::uint32_t rgb) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", rgb & 0xFFFFFFu);
    log_.write(JsonLine().add("op", "background").add("rgb", hex).str());
}
void RecordingSurface::clear() { log_.write(JsonLine().add("op", "clear").str()); }
void RecordingSurface::setLineStyle(LineStyle style) {
    log_.write(JsonLine().add("op", "line_style").add("style", style == LineStyle::Solid ? "solid" : "dotted").str());
}
void RecordingSurface::setLineWidth(int pixels) {
    log_.write(JsonLine().add("op", "line_width").add("width", std::int32_t{pixels}).str());
}
void RecordingSurface::setTextColor(int palette) {
    log_.write(JsonLine().add("op", "text_color").add("color", std::int32_t{palette}).str());
}
void RecordingSurface::setFontSize(float points) {
    log_.write(JsonLine().add("op", "font_size").add("points", points).str());
}
void RecordingSurface::setFontBold(bool bold) { log_.write(JsonLine().add("op", "font_bold").add("bold", bold).str()); }

void RecordingSurface::shape(const char* op, float x1, float y1, float x2, float y2, int palette) {
    log_.write(JsonLine()
                   .add("op", op)
                   .add("x1", x1)
                   .add("y1", y1)
                   .add("x2", x2)
                   .add("y2", y2)
                   .add("color", std::int32_t{palette})
                   .str());
}
void RecordingSurface::line(float x1, float y1, float x2, float y2, int palette) {
    shape("line", x1, y1, x2, y2, palette);
}
void RecordingSurface::box(float x1, float y1, float x2, float y2, int palette) {
    shape("box", x1, y1, x2, y2, palette);
}
void RecordingSurface::fillBox(float x1, float y1, float x2, float y2, int palette) {
    shape("fill_box", x1, y1, x2, y2, palette);
}
void RecordingSurface::setTextPos(float x, float y) {
    log_.write(JsonLine().add("op", "text_pos").add("x", x).add("y", y).str());
}
void RecordingSurface::print(const std::u16string& text) {
    log_.write(JsonLine().add("op", "print").add("text", text).str());
}

}  // namespace tellvane
