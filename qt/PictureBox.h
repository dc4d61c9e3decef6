#pragma once
// Picture1 on the screen: a child widget that shows a raster surface's picture,
// follows the surface's placement, and repaints from the picture when exposed.

#include <QWidget>

namespace tellvane {

class RasterSurface;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    /// Shows the surface, which must outlive the widget, as a child of parent.
    PictureBox(RasterSurface& surface, QWidget* parent);
    ~PictureBox() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    void drawn();

    RasterSurface& surface_;
    bool repaintAsked_ = false;
};

}  // namespace tellvane
