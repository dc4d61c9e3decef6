#include "qt/QtScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "common/Error.h"
#include "qt/Twips.h"

namespace tellvane {
namespace {

QScreen& primary() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) throw Error(kInvalidProcedureCall, "no screen", {});
    return *s;
}

}  // namespace

// A pointer left busy is not left behind the control.
QtScreen::~QtScreen() { setPointer(MousePointer::Default); }

double QtScreen::widthTwips() {
    QScreen& s = primary();
    return s.size().width() * twipsPerPixel(s.logicalDotsPerInchX());
}

double QtScreen::heightTwips() {
    QScreen& s = primary();
    return s.size().height() * twipsPerPixel(s.logicalDotsPerInchY());
}

// Override cursors stack: this screen pushes at most one and takes it off again, so
// an override cursor of the host's below it stays as the host set it.
void QtScreen::setPointer(MousePointer pointer) {
    const bool busy = pointer == MousePointer::Hourglass;
    if (busy == busy_ || !qGuiApp) return;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    busy_ = busy;
}

}  // namespace tellvane
