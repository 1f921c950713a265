// The SNR chart of the GPS STATUS page: one bar series over a fixed 0 to 58 dB-Hz axis,
// one bar per satellite labelled with its PRN. Qt's bar sets have one colour, so the
// satellites in use are the set's selected bars, drawn lime, and the others blue.
#pragma once

#include "diagnostics/SnrBar.h"

#include <QtCharts/QChartView>

#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;

class SnrChartView : public QChartView {
    Q_OBJECT

public:
    explicit SnrChartView(QWidget* parent);

    void ShowBars(const std::vector<TSnrBar>& bars, bool valueMarksVisible);

    QBarSeries* Series() const { return series_; }
    QBarSet* Bars() const { return set_; }
    QBarCategoryAxis* LabelAxis() const { return labels_; }

private:
    QBarSeries* series_;
    QBarSet* set_;
    QBarCategoryAxis* labels_;
};

// The category texts of `bars`: a category axis refuses repeated texts, so each repeat
// of a label (the "---" placeholders) carries one more zero-width space than the last.
QStringList CategoryLabels(const std::vector<TSnrBar>& bars);
