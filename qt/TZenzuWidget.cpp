#include "qt/TZenzuWidget.h"

#include "platform/Platform.h"
#include "qt/EventRelay.h"
#include "qt/GuardedParts.h"
#include "qt/HostCallGuard.h"
#include "qt/PictureBox.h"
#include "qt/QtEventPump.h"
#include "qt/QtMessageBox.h"
#include "qt/QtScreen.h"
#include "qt/QtSettingsStore.h"
#include "qt/WidgetContainer.h"

namespace tellvane {

struct TZenzuWidget::Realisation {
    Realisation(TZenzuWidget& widget, const Parts& parts, PlotDocumentFactory& pdfDocuments)
        : container(widget),
          surface(QSize(), widget.logicalDpiX()),
          messageBox(&widget),
          box(parts.messageBox ? *parts.messageBox : messageBox, guard),
          guardedSettings(parts.settings ? *parts.settings : settings, guard),
          guardedPump(pump, guard),
          relay(widget, guard),
          control(Platform{container, surface, screen, box, guardedSettings, library, guardedPump,
                           parts.plotDocuments ? *parts.plotDocuments : pdfDocuments}) {
        control.setEvents(&relay);
    }

    HostCallGuard guard;
    WidgetContainer container;
    RasterSurface surface;
    QtScreen screen;
    QtMessageBox messageBox;
    QtSettingsStore settings;
    LoadedLibraryLocation library;
    QtEventPump pump;
    GuardedMessageBox box;
    GuardedSettings guardedSettings;
    GuardedEventPump guardedPump;
    EventRelay relay;
    TZenzu control;
};

TZenzuWidget::TZenzuWidget(QWidget* parent) : TZenzuWidget(Parts{}, parent) {}

TZenzuWidget::TZenzuWidget(const Parts& parts, QWidget* parent)
    : QWidget(parent),
      realisation_(std::make_shared<Realisation>(*this, parts, pdfDocuments_)),
      picture1_(new PictureBox(realisation_->surface, this)) {
    realisation_->guard.watch(realisation_);
    realisation_->control.Resize();
}

// Picture1 goes before the surface it shows. A call into the host that is still
// running keeps the rest until it has ended the control's member.
TZenzuWidget::~TZenzuWidget() {
    delete picture1_;
    realisation_->guard.release();
}

TZenzu& TZenzuWidget::control() {
    // Qt holds the resize event of a hidden widget back until it is shown; a chart
    // drawn before then must already fill the new size.
    if (testAttribute(Qt::WA_PendingResizeEvent)) fitPicture();
    return realisation_->control;
}

RasterSurface& TZenzuWidget::picture() { return realisation_->surface; }

LoadedLibraryLocation& TZenzuWidget::libraryLocation() { return realisation_->library; }

void TZenzuWidget::setEvents(TZenzuEvents* events) { realisation_->relay.setHost(events); }

void TZenzuWidget::resizeEvent(QResizeEvent*) { fitPicture(); }

void TZenzuWidget::fitPicture() {
    realisation_->surface.setDpi(logicalDpiX());
    realisation_->control.Resize();
}

}  // namespace tellvane
