#pragma once
// The annual-chart control as a Qt widget. It owns a TZenzu and its child Picture1,
// which always covers the widget's client area (15 twips to the pixel at 96 DPI),
// shows the chart and repaints it from its picture when exposed. The control's
// events reach the host through an event object, through the two signals, or both.
//
// The signals pass their parameters by reference, as the control's events do: a
// slot's assignments are what the control reads back. Connect them directly (the
// default between objects of one thread, or Qt::DirectConnection); a queued
// connection cannot carry references.

//
// A host may delete the widget in a slot of these signals, in its event object,
// in a slot the message box or the wait for the page runs, or in its own message
// box or settings: the control's member then ends with the Error
// kObjectUnloaded (364, common/Error.h) instead of going on with a deleted widget. Deleting it in
// one of the widget's own Qt events (a resize) is, as for any QObject, a job for
// deleteLater.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "control/TZenzu.h"
#include "pagewriter/PageDocument.h"
#include "qt/LoadedLibraryLocation.h"
#include "qt/PageWriterWaking.h"
#include "qt/RasterSurface.h"

namespace tellvane {

class PictureBox;

class TZenzuWidget : public QWidget {
    Q_OBJECT
public:
    /// Realisations a host supplies instead of the widget's own; each must outlive
    /// the widget.
    struct Parts {
        MessageBox* messageBox = nullptr;              ///< default: a modal QMessageBox
        SettingsStore* settings = nullptr;             ///< default: the user's INI files
        PlotDocumentFactory* plotDocuments = nullptr;  ///< default: PDF pages
    };

    explicit TZenzuWidget(QWidget* parent = nullptr);
    explicit TZenzuWidget(const Parts& parts, QWidget* parent = nullptr);
    ~TZenzuWidget() override;

    /// The control: its public values, properties and methods. A size given while
    /// the widget is hidden reaches Picture1 here at the latest.
    TZenzu& control();
    /// Picture1's picture, e.g. to save it.
    RasterSurface& picture();
    /// Where the plotted page goes; a host may name another directory.
    LoadedLibraryLocation& libraryLocation();
    /// The host's event object, called before the signals; nullptr for none.
    void setEvents(TZenzuEvents* events);

signals:
    /// Block datano (1-36) is wanted: fill Suii's cell (0, 0) with the day count and
    /// rows 1..N with 24 hourly readings each, then set ret to true.
    void GetBlockData(std::int32_t& datano, tellvane::BlockArray& Suii, bool& ret);
    /// The station's names are wanted; Wok holds a copy of the station number.
    void GetLKansokujo(QString& Wok, QString& Kansokujo, QString& Suikei, QString& Kasen);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Picture1 over the client area at the widget's resolution.
    void fitPicture();

    /// The platform's realisation and the control, which may outlive the widget
    /// while a call into the host that deleted it unwinds.
    struct Realisation;

    pagewriter::PageDocumentFactory pdfDocuments_{qtPageWriterOptions()};
    std::shared_ptr<Realisation> realisation_;
    PictureBox* picture1_;
};

}  // namespace tellvane
