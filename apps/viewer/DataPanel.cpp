#include "apps/viewer/DataPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tellvane::viewer {
namespace {

QString qs(const std::u16string& text) { return QString::fromStdU16String(text); }

// "number name" where the station's name is known.
QString stationLabel(const std::u16string& station, const StationNames& names) {
    return names.Kansokujo.empty() ? qs(station) : qs(station) + QLatin1Char(' ') + qs(names.Kansokujo);
}

QString kindLabel(ChartKind kind) {
    return kind == ChartKind::Discharge ? DataPanel::tr("Discharge") : DataPanel::tr("Water level");
}

// A child found by name in the tests and by the user's eye in the panel.
template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

DataPanel::DataPanel(QWidget* parent)
    : QWidget(parent),
      station_(named(new QComboBox, "station")),
      year_(named(new QComboBox, "year")),
      kind_(named(new QComboBox, "kind")),
      draw_(named(new QPushButton(tr("&Draw")), "draw")),
      axis_(new QGroupBox(tr("Value axis"))),
      max_(named(new QLineEdit, "txtMax")),
      min_(named(new QLineEdit, "txtMin")),
      limitProblem_(named(new QLabel, "limitProblem")),
      redraw_(named(new QPushButton(tr("&Redraw")), "redraw")) {
    auto* chart = new QGroupBox(tr("Chart"));
    auto* chartForm = new QFormLayout(chart);
    chartForm->addRow(tr("&Station"), station_);
    chartForm->addRow(tr("&Year"), year_);
    chartForm->addRow(tr("&Kind"), kind_);
    chartForm->addRow(draw_);

    auto* axisForm = new QFormLayout(axis_);
    axisForm->addRow(tr("&Upper limit"), max_);
    axisForm->addRow(tr("&Lower limit"), min_);
    limitProblem_->setWordWrap(true);
    limitProblem_->setStyleSheet(QStringLiteral("color: #b00000"));
    limitProblem_->hide();
    axisForm->addRow(limitProblem_);
    axisForm->addRow(redraw_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(chart);
    column->addWidget(axis_);
    column->addStretch();

    connect(station_, &QComboBox::currentIndexChanged, this, &DataPanel::fillYears);
    connect(year_, &QComboBox::currentIndexChanged, this, &DataPanel::fillKinds);
    connect(kind_, &QComboBox::currentIndexChanged, this, &DataPanel::kindChosen);
    connect(draw_, &QPushButton::clicked, this, &DataPanel::drawRequested);
    connect(redraw_, &QPushButton::clicked, this, &DataPanel::redrawRequested);
    // Enter in a limit redraws, as the button does.
    connect(max_, &QLineEdit::returnPressed, this, &DataPanel::redrawRequested);
    connect(min_, &QLineEdit::returnPressed, this, &DataPanel::redrawRequested);
    setData(nullptr);
    setDrawn(false);
}

void DataPanel::setData(const StationYears* data) {
    data_ = data;
    const QSignalBlocker quiet(station_);
    station_->clear();
    if (data_)
        for (const auto& station : data_->stations())
            station_->addItem(stationLabel(station, data_->namesOf(station)), qs(station));
    fillYears();
}

std::optional<YearChoice> DataPanel::choice() const {
    if (!data_ || station_->currentIndex() < 0 || year_->currentIndex() < 0 || kind_->currentIndex() < 0)
        return std::nullopt;
    return YearChoice{station_->currentData().toString().toStdU16String(), year_->currentData().toInt(),
                      static_cast<ChartKind>(kind_->currentData().toInt())};
}

void DataPanel::showLimits(const QString& max, const QString& min) {
    max_->setText(max);
    min_->setText(min);
}

void DataPanel::setDrawn(bool drawn) { axis_->setEnabled(drawn); }

QString DataPanel::maxText() const { return max_->text(); }

QString DataPanel::minText() const { return min_->text(); }

void DataPanel::showLimitProblem(const QString& text) {
    limitProblem_->setText(text);
    limitProblem_->setVisible(!text.isEmpty());
}

QString DataPanel::limitProblem() const { return limitProblem_->text(); }

void DataPanel::fillYears() {
    const QSignalBlocker quiet(year_);
    year_->clear();
    if (data_ && station_->currentIndex() >= 0)
        for (const int y : data_->years(station_->currentData().toString().toStdU16String()))
            year_->addItem(QString::number(y), y);
    // The latest year is the likeliest wanted.
    year_->setCurrentIndex(year_->count() - 1);
    fillKinds();
}

void DataPanel::fillKinds() {
    // Only the user's choice of a kind is news: the kinds of another year are not.
    const QSignalBlocker quiet(kind_);
    kind_->clear();
    if (data_ && year_->currentIndex() >= 0)
        for (const ChartKind k :
             data_->kinds(station_->currentData().toString().toStdU16String(), year_->currentData().toInt()))
            kind_->addItem(kindLabel(k), static_cast<int>(k));
    draw_->setEnabled(kind_->count() > 0);
}

}  // namespace tellvane::viewer
