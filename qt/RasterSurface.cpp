#include "qt/RasterSurface.h"

#include <QColor>
#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "common/Error.h"
#include "platform/Palette.h"
#include "qt/PngFile.h"
#include "qt/Twips.h"

namespace tellvane {
namespace {

constexpr float kInitialFontPoints = 10;  // what every finished chart leaves, so the first looks like the rest
constexpr int kLargestSide = 32767;       // the chart's coordinates are 16-bit

// Coordinates land on whole pixels, halves rounded up, so what is drawn where is
// the same on every machine.
int px(float v) { return static_cast<int>(std::floor(static_cast<double>(v) + 0.5)); }

QColor colour(int palette) { return QColor::fromRgb(paletteRgb(palette)); }

// The pixels from one corner to the other, both included, in either order.
QRect spanned(float x1, float y1, float x2, float y2) {
    const int a = px(x1), b = px(y1), c = px(x2), d = px(y2);
    return QRect(QPoint(std::min(a, c), std::min(b, d)), QPoint(std::max(a, c), std::max(b, d)));
}

Error refused(const char* what) { return Error(kInvalidPropertyValue, what, {}); }

}  // namespace

RasterSurface::RasterSurface(QSize pixels, double dpi) : dpi_(dpi) {
    font_.setFamily(kDefaultFace);
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSizeF(kInitialFontPoints);
    resize(pixels.expandedTo({0, 0}));
}

RasterSurface::~RasterSurface() {
    if (painter_.isActive()) painter_.end();
}

void RasterSurface::setDpi(double dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    if (painter_.isActive()) painter_.end();
    startPainting();
}

void RasterSurface::setFontFamily(const QString& family) {
    font_.setFamily(family);
    if (painter_.isActive()) painter_.setFont(font_);
}

void RasterSurface::savePng(const std::string& path) const { writePng(image_, path); }

float RasterSurface::outerWidth() { return static_cast<float>(size_.width() * twipsPerPixel(dpi_)); }

int RasterSurface::toPixels(float twips) const {
    const double pixels = std::floor(static_cast<double>(twips) / twipsPerPixel(dpi_) + 0.5);
    if (!(pixels >= 0 && pixels <= kLargestSide)) throw refused("size or position out of range");
    return static_cast<int>(pixels);
}

void RasterSurface::setLeft(float twips) {
    position_.setX(toPixels(twips));
    if (placed_) placed_();
}

void RasterSurface::setTop(float twips) {
    position_.setY(toPixels(twips));
    if (placed_) placed_();
}

void RasterSurface::setWidth(float twips) { resize({toPixels(twips), size_.height()}); }

void RasterSurface::setHeight(float twips) { resize({size_.width(), toPixels(twips)}); }

// A new image in the background colour, keeping what was drawn where it still fits.
void RasterSurface::resize(QSize pixels) {
    if (pixels == size_) return;
    if (painter_.isActive()) painter_.end();
    QImage next;
    if (!pixels.isEmpty()) {
        next = QImage(pixels, QImage::Format_RGB32);
        if (next.isNull()) throw Error(kOutOfMemory, {}, {});
        next.fill(QColor::fromRgb(background_));
        if (!image_.isNull()) {
            QPainter copy(&next);
            copy.drawImage(0, 0, image_);
        }
    }
    size_ = pixels;
    image_ = std::move(next);
    startPainting();
    if (placed_) placed_();
}

void RasterSurface::startPainting() {
    if (image_.isNull()) return;
    const int dotsPerMetre = static_cast<int>(std::lround(dpi_ / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setFont(font_);
}

void RasterSurface::changed() {
    if (drawn_) drawn_();
}

// Through the painter that holds the image, rather than behind its back.
void RasterSurface::clear() {
    textPos_ = {0, 0};
    if (!painter_.isActive()) return;
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(image_.rect(), QColor::fromRgb(background_));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    changed();
}

void RasterSurface::setLineWidth(int pixels) {
    if (pixels < 1) throw refused("line width");
    lineWidth_ = pixels;
}

void RasterSurface::setFontSize(float points) {
    if (!(points > 0)) throw refused("font size");
    font_.setPointSizeF(points);
    if (painter_.isActive()) painter_.setFont(font_);
}

void RasterSurface::setFontBold(bool bold) {
    font_.setBold(bold);
    if (painter_.isActive()) painter_.setFont(font_);
}

// Dots alternate pixel by pixel; as on the classic surfaces, a line wider than one
// pixel is always solid.
void RasterSurface::applyPen(int palette) {
    QPen pen(colour(palette));
    pen.setWidth(lineWidth_);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::MiterJoin);
    if (lineStyle_ == LineStyle::Dotted && lineWidth_ == 1) pen.setDashPattern({1, 1});
    painter_.setPen(pen);
}

void RasterSurface::line(float x1, float y1, float x2, float y2, int palette) {
    if (!painter_.isActive()) return;
    applyPen(palette);
    painter_.drawLine(px(x1), px(y1), px(x2), px(y2));
    changed();
}

void RasterSurface::box(float x1, float y1, float x2, float y2, int palette) {
    if (!painter_.isActive()) return;
    applyPen(palette);
    const QRect r = spanned(x1, y1, x2, y2);
    // drawRect's outline spans width + 1 pixels, hence the rect one smaller; a box
    // without area is the line it covers.
    if (r.width() == 1 || r.height() == 1)
        painter_.drawLine(r.topLeft(), r.bottomRight());
    else
        painter_.drawRect(r.adjusted(0, 0, -1, -1));
    changed();
}

void RasterSurface::fillBox(float x1, float y1, float x2, float y2, int palette) {
    if (!painter_.isActive()) return;
    const QRect r = spanned(x1, y1, x2, y2);
    painter_.fillRect(r, colour(palette));
    if (lineWidth_ > 1) {
        // The outline of a wider pen reaches beyond the corners, as on an outline box.
        applyPen(palette);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(r.adjusted(0, 0, -1, -1));
    }
    changed();
}

void RasterSurface::setTextPos(float x, float y) { textPos_ = {x, y}; }

// The text's top-left corner at the text position; afterwards the position is at
// the start of the next line.
void RasterSurface::print(const std::u16string& text) {
    const QFontMetrics metrics = painter_.isActive() ? painter_.fontMetrics() : QFontMetrics(font_);
    const int top = px(static_cast<float>(textPos_.y()));
    if (painter_.isActive()) {
        painter_.setPen(colour(textColour_));
        const QString s(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
        painter_.drawText(QPoint(px(static_cast<float>(textPos_.x())), top + metrics.ascent()), s);
        changed();
    }
    textPos_ = {0, textPos_.y() + metrics.height()};
}

}  // namespace tellvane
