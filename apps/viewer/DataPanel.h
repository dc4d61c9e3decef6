#pragma once
// The viewer's side panel: which station, year and kind to draw, and the axis
// limits of the chart drawn.

#include <QString>
#include <QWidget>
#include <optional>

#include "apps/viewer/StationYears.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tellvane::viewer {

class DataPanel : public QWidget {
    Q_OBJECT
public:
    /// An empty panel: nothing to choose until setData.
    explicit DataPanel(QWidget* parent = nullptr);

    /// Offers what the data holds, which must outlive the panel or the next call;
    /// nullptr offers nothing.
    void setData(const StationYears* data);
    /// The station-year and kind chosen; nullopt while nothing can be chosen.
    std::optional<YearChoice> choice() const;

    /// Shows the control's axis limits and lets the user edit them.
    void showLimits(const QString& max, const QString& min);
    /// Lets the limits be edited and redrawn only while a chart is drawn.
    void setDrawn(bool drawn);
    /// The upper limit as the user left it.
    QString maxText() const;
    /// The lower limit as the user left it.
    QString minText() const;
    /// Says beside the limits why they cannot be drawn with; empty text says nothing.
    void showLimitProblem(const QString& text);
    /// What is said beside the limits.
    QString limitProblem() const;

signals:
    /// The user asked for the chosen station-year to be drawn.
    void drawRequested();
    /// The user asked for the chart to be drawn again with the limits shown.
    void redrawRequested();
    /// The user chose another kind for the station-year.
    void kindChosen();

private:
    void fillYears();
    void fillKinds();

    const StationYears* data_ = nullptr;
    QComboBox* station_;
    QComboBox* year_;
    QComboBox* kind_;
    QPushButton* draw_;
    QWidget* axis_;
    QLineEdit* max_;
    QLineEdit* min_;
    QLabel* limitProblem_;
    QPushButton* redraw_;
};

}  // namespace tellvane::viewer
