#pragma once
// The viewer's main window: the data panel beside the chart, a File menu to open
// data, a catalogue and to write the plotted page. Every action is also a public
// member, so a program or a test can drive the window without dialogs.

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "apps/viewer/ChartView.h"
#include "apps/viewer/DataPanel.h"
#include "apps/viewer/StationYears.h"
#include "qt/QtMessageBox.h"
#include "records/YearBlockSource.h"

class QAction;

namespace tellvane::viewer {

class ViewerWindow : public QMainWindow {
    Q_OBJECT
public:
    /// parts.messageBox, when given, shows the viewer's errors as well as the
    /// control's messages; the parts must outlive the window.
    explicit ViewerWindow(const TZenzuWidget::Parts& parts = {}, QWidget* parent = nullptr);
    ~ViewerWindow() override;

    /// Reads data files and folders and offers what they hold; a catalogue opened
    /// before applies to them too. False after a message box when they are bad.
    bool openData(const std::vector<std::filesystem::path>& paths);
    /// Reads the station catalogue whose names replace the files' own.
    bool openCatalogue(const std::filesystem::path& path);
    /// Draws the station-year the panel has chosen (NenZu). False when nothing was
    /// drawn: an error, or a block not loaded as the control told the user.
    bool draw();
    /// Hands the panel's axis limits to the control and draws again (ReGRaph).
    /// Limits that are not numbers, or an upper limit not above the lower one, are
    /// said beside the fields instead, and the chart stays as it is.
    bool redraw();
    /// Writes the plotted page (NenzuSakuzu) of the chart on screen to the file and
    /// says so in the status line; a failure says why in a message box.
    bool savePage(const QString& path);
    /// The file name offered for the page of the chart on screen: NO_YYYY.pdf, or
    /// NO_YYYY_level.pdf / NO_YYYY_discharge.pdf when the data holds both kinds.
    QString suggestedPageName() const;

    /// The side panel.
    DataPanel& panel() { return *panel_; }
    /// The control widget.
    ChartView& chart() { return *chart_; }

private:
    void buildMenu();
    void askData();
    void askFolder();
    void askCatalogue();
    void askSavePage();
    void openAndDraw(const std::vector<std::filesystem::path>& paths);
    void redrawAfterResize();
    void redrawForKind();
    bool limitsAreDrawable();
    void pageNotWritten(const QString& path, const QString& reason);
    void setDrawn(bool drawn);
    void showPartialYear();
    void showLimits();

    QtMessageBox ownBox_;
    MessageBox& messages_;
    std::unique_ptr<StationYears> data_;
    std::optional<std::filesystem::path> catalogue_;
    std::unique_ptr<YearBlockSource> source_;
    std::optional<YearChoice> drawnChoice_;  // what the chart on screen shows
    DataPanel* panel_;
    ChartView* chart_;
    QAction* savePage_ = nullptr;
    bool drawn_ = false;
};

}  // namespace tellvane::viewer
