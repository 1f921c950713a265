#include "SnrChart.h"

#include "AnsiText.h"
#include "QtColours.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

#include <map>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

} // namespace

QStringList CategoryLabels(const std::vector<TSnrBar>& bars) {
    QStringList labels;
    std::map<std::string, int> seen;
    for (const TSnrBar& bar : bars)
        labels.append(ToQString(bar.Label) + QString(seen[bar.Label]++, kZeroWidthSpace));
    return labels;
}

SnrChartView::SnrChartView(QWidget* parent)
    : QChartView(parent), series_(new QBarSeries), set_(new QBarSet(QString())),
      labels_(new QBarCategoryAxis) {
    set_->setColor(ToQColor(kBlue));
    set_->setSelectedColor(ToQColor(kLime));
    set_->setBorderColor(Qt::black);
    set_->setLabelColor(Qt::black);
    series_->append(set_);
    series_->setBarWidth(0.7);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);

    auto* snr = new QValueAxis;
    snr->setRange(kSnrAxisMinimum, kSnrAxisMaximum);
    snr->setLabelFormat(QStringLiteral("%d"));
    snr->setMinorTickCount(0);
    snr->setGridLinePen(QPen(Qt::lightGray, 1, Qt::SolidLine));
    labels_->setGridLineVisible(false);
    labels_->setTitleText(QStringLiteral(" "));

    QChart* bars = chart();
    bars->addSeries(series_);
    bars->addAxis(snr, Qt::AlignLeft);
    bars->addAxis(labels_, Qt::AlignBottom);
    series_->attachAxis(snr);
    series_->attachAxis(labels_);
    bars->legend()->hide();
    bars->setBackgroundBrush(Qt::white);
    bars->setAnimationOptions(QChart::NoAnimation);
    setBackgroundBrush(Qt::white);
    setRenderHint(QPainter::Antialiasing);
}

void SnrChartView::ShowBars(const std::vector<TSnrBar>& bars, bool valueMarksVisible) {
    set_->deselectAllBars();
    set_->remove(0, set_->count());
    QList<qreal> values;
    QList<int> inUse;
    for (const TSnrBar& bar : bars) {
        if (bar.Colour == kLime)
            inUse.append(static_cast<int>(values.size()));
        values.append(bar.Value);
    }
    labels_->setCategories(CategoryLabels(bars));
    set_->append(values);
    set_->selectBars(inUse);
    series_->setLabelsVisible(valueMarksVisible);
}
