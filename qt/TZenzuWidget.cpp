#include "qt/TZenzuWidget.h"

#include "platform/Platform.h"
#include "qt/PictureBox.h"

namespace tellvane {

TZenzuWidget::TZenzuWidget(QWidget* parent) : TZenzuWidget(Parts{}, parent) {}

TZenzuWidget::TZenzuWidget(const Parts& parts, QWidget* parent)
    : QWidget(parent),
      container_(*this),
      surface_(QSize(), logicalDpiX()),
      messageBox_(this),
      relay_(*this),
      control_(Platform{container_, surface_, screen_, parts.messageBox ? *parts.messageBox : messageBox_,
                        parts.settings ? *parts.settings : settings_, library_, pump_,
                        parts.plotDocuments ? *parts.plotDocuments : pdfDocuments_}),
      picture1_(new PictureBox(surface_, this)) {
    control_.setEvents(&relay_);
    control_.Resize();
}

// Picture1 goes before the surface it shows.
TZenzuWidget::~TZenzuWidget() { delete picture1_; }

TZenzu& TZenzuWidget::control() {
    // Qt holds the resize event of a hidden widget back until it is shown; a chart
    // drawn before then must already fill the new size.
    if (testAttribute(Qt::WA_PendingResizeEvent)) fitPicture();
    return control_;
}

void TZenzuWidget::resizeEvent(QResizeEvent*) { fitPicture(); }

void TZenzuWidget::fitPicture() {
    surface_.setDpi(logicalDpiX());
    control_.Resize();
}

}  // namespace tellvane
