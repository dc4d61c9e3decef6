#pragma once
// The chart's drawing surface as a persistent image: what is drawn stays until the
// next clear, and a window shows it by copying the image. Lines and boxes are drawn
// without anti-aliasing on whole pixels, texts anti-aliased. The image follows the
// size set in twips; placement is kept for whoever shows the image.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <functional>
#include <string>

#include "platform/DrawingSurface.h"

namespace tellvane {

class RasterSurface : public DrawingSurface {
public:
    /// The face texts are drawn in unless a host picks another.
    static constexpr const char* kDefaultFace = "IPAGothic";

    /// A surface of the given size in pixels at a resolution in dots per inch.
    explicit RasterSurface(QSize pixels = {}, double dpi = 96);
    ~RasterSurface() override;
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    /// The picture as drawn so far (null without area). It is always being painted
    /// on, so a copy of it is a deep one: take references where speed matters.
    const QImage& image() const { return image_; }
    /// Position in the container and size, in pixels.
    QRect placement() const { return {position_, size_}; }
    double dpi() const { return dpi_; }
    /// A new resolution: twips and points convert anew from the next call on.
    void setDpi(double dpi);
    /// The face of later texts; sizes and boldness stay.
    void setFontFamily(const QString& family);

    /// Called after every operation that changes the picture.
    void onDrawn(std::function<void()> f) { drawn_ = std::move(f); }
    /// Called after the position or the size changed.
    void onPlaced(std::function<void()> f) { placed_ = std::move(f); }

    /// Writes the picture as PNG; fails with Path/File access error.
    void savePng(const std::string& path) const;

    float scaleWidth() override { return static_cast<float>(size_.width()); }
    float scaleHeight() override { return static_cast<float>(size_.height()); }
    float outerWidth() override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    void setWidth(float twips) override;
    void setHeight(float twips) override;
    void setBackground(std::uint32_t rgb) override { background_ = rgb; }
    void clear() override;
    void setLineStyle(LineStyle style) override { lineStyle_ = style; }
    void setLineWidth(int pixels) override;
    void setTextColor(int palette) override { textColour_ = palette; }
    void setFontSize(float points) override;
    void setFontBold(bool bold) override;
    void line(float x1, float y1, float x2, float y2, int palette) override;
    void box(float x1, float y1, float x2, float y2, int palette) override;
    void fillBox(float x1, float y1, float x2, float y2, int palette) override;
    void setTextPos(float x, float y) override;
    void print(const std::u16string& text) override;

private:
    int toPixels(float twips) const;
    void resize(QSize pixels);
    void startPainting();
    void applyPen(int palette);
    void changed();

    QSize size_{0, 0};  // the image has none when either side is 0
    QImage image_;
    QPainter painter_;
    QPoint position_;
    double dpi_;
    std::uint32_t background_ = 0xFFFFFF;
    LineStyle lineStyle_ = LineStyle::Solid;
    int lineWidth_ = 1;
    int textColour_ = 0;
    QFont font_;
    QPointF textPos_;
    std::function<void()> drawn_, placed_;
};

}  // namespace tellvane
