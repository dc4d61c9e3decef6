#include "apps/viewer/ViewerWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <optional>

#include "apps/viewer/Attempt.h"
#include "fileout/FileSet.h"
#include "fileout/Target.h"
#include "fileout/WorkFolder.h"
#include "plot/PlotOutput.h"
#include "records/AxisLimits.h"
#include "records/DataFiles.h"
#include "records/PartialYear.h"

namespace tellvane::viewer {
namespace {

TZenzuWidget::Parts withBox(TZenzuWidget::Parts parts, MessageBox& box) {
    parts.messageBox = &box;
    return parts;
}

std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

}  // namespace

ViewerWindow::ViewerWindow(const TZenzuWidget::Parts& parts, QWidget* parent)
    : QMainWindow(parent),
      ownBox_(this),
      messages_(parts.messageBox ? *parts.messageBox : ownBox_),
      panel_(new DataPanel),
      chart_(new ChartView(withBox(parts, messages_))) {
    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->addWidget(panel_);
    row->addWidget(chart_, 1);
    setCentralWidget(central);
    buildMenu();
    setWindowTitle(tr("Tellvane viewer"));
    resize(1100, 760);

    connect(panel_, &DataPanel::drawRequested, this, &ViewerWindow::draw);
    connect(panel_, &DataPanel::redrawRequested, this, &ViewerWindow::redraw);
    connect(panel_, &DataPanel::kindChosen, this, &ViewerWindow::redrawForKind);
    connect(chart_, &ChartView::resized, this, &ViewerWindow::redrawAfterResize);
    setDrawn(false);
}

// The chart goes first, while the event answers and the message box it uses are alive.
ViewerWindow::~ViewerWindow() { delete chart_; }

void ViewerWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open data files…"), QKeySequence::Open, this, &ViewerWindow::askData);
    file->addAction(tr("Open data &folder…"), this, &ViewerWindow::askFolder);
    file->addAction(tr("Open station &catalogue…"), this, &ViewerWindow::askCatalogue);
    file->addSeparator();
    savePage_ = file->addAction(tr("&Write plotted page…"), QKeySequence::Save, this, &ViewerWindow::askSavePage);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

bool ViewerWindow::openData(const std::vector<std::filesystem::path>& paths) {
    std::unique_ptr<StationYears> data;
    const bool read = attempt(messages_, [&] {
        data = std::make_unique<StationYears>(paths);
        if (catalogue_) data->setCatalogue(*catalogue_);
    });
    if (!read) return false;
    // The chart drawn keeps its year; it only loses the answers it drew from.
    setDrawn(false);
    chart_->setEvents(nullptr);
    source_.reset();
    panel_->setData(nullptr);
    data_ = std::move(data);
    panel_->setData(data_.get());
    return true;
}

bool ViewerWindow::openCatalogue(const std::filesystem::path& path) {
    if (data_ && !attempt(messages_, [&] { data_->setCatalogue(path); })) return false;
    // Without data the catalogue is read now only to tell the user at once if it is bad.
    if (!data_ && !attempt(messages_, [&] { loadStationCatalogue(path); })) return false;
    catalogue_ = path;
    panel_->setData(data_.get());
    return true;
}

bool ViewerWindow::draw() {
    const auto choice = panel_->choice();
    if (!data_ || !choice) {
        messages_.show(u"Open a data file and choose a station, a year and a kind first.", kViewerTitle, kCriticalOk);
        return false;
    }
    bool drawn = false;
    attempt(messages_, [&] {
        auto source = data_->prepare(*choice, chart_->control());
        chart_->setEvents(source.get());
        source_ = std::move(source);
        drawn = chart_->control().NenZu();
    });
    setDrawn(drawn);
    drawnChoice_ = drawn ? choice : std::nullopt;
    if (drawn) showLimits();
    showPartialYear();
    return drawn;
}

bool ViewerWindow::redraw() {
    if (!drawn_ || !limitsAreDrawable()) return false;
    TZenzu& control = chart_->control();
    const std::u16string oldMax = control.txtMax(), oldMin = control.txtMin();
    const bool redrawn = attempt(messages_, [&] {
        control.settxtMax(panel_->maxText().toStdU16String());
        control.settxtMin(panel_->minText().toStdU16String());
        control.ReGRaph();
    });
    if (!redrawn) {
        // Limits the chart cannot be drawn with would fail every later redraw too.
        control.settxtMax(oldMax);
        control.settxtMin(oldMin);
        setDrawn(attempt(messages_, [&] { control.ReGRaph(); }));
    }
    showLimits();
    return redrawn;
}

bool ViewerWindow::savePage(const QString& path) {
    if (!drawn_) {
        messages_.show(u"Draw a chart before writing its page.", kViewerTitle, kCriticalOk);
        return false;
    }
    // The control writes its page into its library location: a private work folder
    // beside the file the user named, from which the finished page is committed as
    // every host's files are (fileout), so that a failure leaves an earlier file as
    // it was and a folder or FIFO of that name is refused unopened.
    const std::filesystem::path target = pathOf(path);
    std::optional<fileout::WorkFolder> dir;
    QString written;
    LoadedLibraryLocation& location = chart_->libraryLocation();
    QString failure;
    try {
        fileout::checkTarget(target);
        dir.emplace(fileout::folderOf(std::filesystem::absolute(target)));
        written = QString::fromStdString((dir->path() / kPlotFileName).string());
        location.setDirectory(QString::fromStdString(dir->path().string()).toStdU16String());
        chart_->control().NenzuSakuzu();
        fileout::FileSet page;
        page.adopt(pathOf(written), target);
        page.commit();
    } catch (const Error& e) {
        // The error may blame the file the control writes; the user knows theirs.
        failure = QString::fromStdString(e.naming(path.toStdString(), written.toStdString()).description());
        if (failure.isEmpty()) failure = tr("run-time error %1").arg(e.number());
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    location.resetDirectory();
    if (!failure.isEmpty()) {
        pageNotWritten(path, failure);
        return false;
    }
    statusBar()->showMessage(tr("Wrote the plotted page to %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

QString ViewerWindow::suggestedPageName() const {
    if (!drawn_ || !drawnChoice_) return {};
    QString stem =
        QString::fromStdU16String(drawnChoice_->station) + QLatin1Char('_') +
        QStringLiteral("%1").arg(drawnChoice_->year, 4, 10, QLatin1Char('0'));  // NO_0001, as the tool names it
    if (data_ && data_->holdsBothKinds(drawnChoice_->station, drawnChoice_->year))
        stem += QLatin1Char('_') + QLatin1String(kindName(drawnChoice_->kind));
    return stem + QStringLiteral(".pdf");
}

void ViewerWindow::askData() {
    const QStringList names =
        QFileDialog::getOpenFileNames(this, tr("Open data files"), {}, tr("Data files (*.csv *.dat);;All files (*)"));
    if (names.isEmpty()) return;
    std::vector<std::filesystem::path> paths;
    for (const QString& name : names) paths.push_back(pathOf(name));
    openAndDraw(paths);
}

void ViewerWindow::askFolder() {
    const QString name = QFileDialog::getExistingDirectory(this, tr("Open a folder of data files"));
    if (!name.isEmpty()) openAndDraw({pathOf(name)});
}

void ViewerWindow::askCatalogue() {
    const QString name = QFileDialog::getOpenFileName(this, tr("Open a station catalogue"), {},
                                                      tr("Station catalogues (*.csv);;All files (*)"));
    if (!name.isEmpty()) openCatalogue(pathOf(name));
}

void ViewerWindow::askSavePage() {
    const QString name = QFileDialog::getSaveFileName(this, tr("Write the plotted page"), suggestedPageName(),
                                                      tr("PDF (*.pdf);;All files (*)"));
    if (!name.isEmpty()) savePage(name);
}

void ViewerWindow::openAndDraw(const std::vector<std::filesystem::path>& paths) {
    if (openData(paths)) draw();
}

void ViewerWindow::redrawAfterResize() {
    if (drawn_) setDrawn(attempt(messages_, [&] { chart_->control().ReGRaph(); }));
}

// The chart on screen follows the kind chosen; before the first chart the user
// still draws with the button.
void ViewerWindow::redrawForKind() {
    if (drawn_) draw();
}

bool ViewerWindow::limitsAreDrawable() {
    // The check every host makes, so that the viewer takes the limits the page and
    // the readings take; the words are the viewer's.
    const AxisLimitsCheck check = checkAxisLimits(panel_->maxText().toStdString(), panel_->minText().toStdString());
    const auto worded = [&](LimitProblem problem, const QString& which) -> QString {
        switch (problem) {
            case LimitProblem::None: return {};
            case LimitProblem::NotANumber: return tr("The %1 limit is not a number.").arg(which);
            case LimitProblem::TooLarge: return tr("The %1 limit is too large (at most 999999999).").arg(which);
            case LimitProblem::NotAboveLower: return tr("The upper limit must be above the lower limit.");
        }
        return {};
    };
    QString problem = worded(check.upper, tr("upper"));
    if (problem.isEmpty()) problem = worded(check.lower, tr("lower"));
    panel_->showLimitProblem(problem);
    return check.ok();
}

void ViewerWindow::pageNotWritten(const QString& path, const QString& reason) {
    const QString text = tr("Cannot write the page to %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
    statusBar()->showMessage(tr("The plotted page was not written."));
    messages_.show(text.toStdU16String(), kViewerTitle, kCriticalOk);
}

void ViewerWindow::setDrawn(bool drawn) {
    drawn_ = drawn;
    panel_->setDrawn(drawn);
    if (savePage_) savePage_->setEnabled(drawn);
}

// Where the year does not reach the characteristic values, the chart shows 0.00 for
// them: the status bar says why, as the command line does.
void ViewerWindow::showPartialYear() {
    std::string warning;
    if (drawn_ && drawnChoice_) {
        SelectedYear selected;
        selected.station = drawnChoice_->station;
        selected.year = drawnChoice_->year;
        warning = partialYearWarning(selected, daysWithData(chart_->control().store()));
    }
    if (warning.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QString::fromStdString(warning));
}

void ViewerWindow::showLimits() {
    const TZenzu& control = chart_->control();
    panel_->showLimits(QString::fromStdU16String(control.txtMax()), QString::fromStdU16String(control.txtMin()));
    panel_->showLimitProblem({});
}

}  // namespace tellvane::viewer
