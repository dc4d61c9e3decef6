#include "qt/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/RasterSurface.h"

namespace tellvane {

PictureBox::PictureBox(RasterSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("Picture1"));
    // The picture covers every pixel it is shown on: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.onPlaced([this] { follow(); });
    surface_.onDrawn([this] { drawn(); });
    follow();
}

PictureBox::~PictureBox() {
    surface_.onPlaced({});
    surface_.onDrawn({});
}

void PictureBox::follow() { setGeometry(surface_.placement()); }

// A chart is a thousand drawing calls: one repaint request until the next paint.
void PictureBox::drawn() {
    if (repaintAsked_) return;
    repaintAsked_ = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    repaintAsked_ = false;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, surface_.image(), area);
}

}  // namespace tellvane
