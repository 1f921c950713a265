#include "SnrChartView.h"

#include "AnsiText.h"
#include "QtColours.h"

#include <QFontMetricsF>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

#include <map>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);
// The chart's text items keep this much room around a label's text.
constexpr qreal kLabelMargins = 4.0;

} // namespace

QStringList CategoryLabels(const std::vector<TSnrBar>& bars) {
    QStringList labels;
    std::map<std::string, int> seen;
    for (const TSnrBar& bar : bars)
        labels.append(ToQString(bar.Label) + QString(seen[bar.Label]++, kZeroWidthSpace));
    return labels;
}

QString StackedLabel(const QString& label) {
    QStringList characters;
    QString marks;
    for (QChar character : label) {
        if (character == kZeroWidthSpace)
            marks += character;
        else
            characters.append(QString(character).toHtmlEscaped());
    }
    return characters.join(QStringLiteral("<br>")) + marks;
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
    // The labels are laid out to fit (ShowLabels); the axis would otherwise cut every
    // number of a narrow bar down to "...".
    labels_->setTruncateLabels(false);

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
    connect(bars, &QChart::plotAreaChanged, this, [this] { ShowLabels(); });
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
    barLabels_ = CategoryLabels(bars);
    ShowLabels();
    set_->append(values);
    set_->selectBars(inUse);
    series_->setLabelsVisible(valueMarksVisible);
}

void SnrChartView::ShowLabels() {
    QStringList shown = barLabels_;
    if (!LabelsFitSideBySide())
        for (QString& label : shown)
            label = StackedLabel(label);
    // Only a change of layout touches the axis, which lays the chart out again.
    if (shown != labels_->categories())
        labels_->setCategories(shown);
}

// Before the chart has been laid out there is no width to fit; the labels then stay on
// one line until the first layout tells.
bool SnrChartView::LabelsFitSideBySide() const {
    qreal plotWidth = chart()->plotArea().width();
    if (plotWidth <= 0 || barLabels_.isEmpty())
        return true;
    qreal barWidth = plotWidth / static_cast<qreal>(barLabels_.size());
    QFontMetricsF metrics(labels_->labelsFont());
    for (const QString& label : barLabels_)
        if (metrics.horizontalAdvance(label) + kLabelMargins > barWidth)
            return false;
    return true;
}
