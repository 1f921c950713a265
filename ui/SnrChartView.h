// The SNR chart of the GPS STATUS page: one bar series over a fixed 0 to 58 dB-Hz axis,
// one bar per satellite labelled with its PRN. Qt's bar sets have one colour, so the
// satellites in use are the set's selected bars, drawn lime, and the others blue. Where
// the bars are too narrow for their numbers side by side (a full sky at the window's
// default size), each number is written one digit a line, so that none is cut short.
#pragma once

#include "skyview/SnrBar.h"

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
    // The labels on one line each where they fit the bars' width, stacked otherwise.
    void ShowLabels();
    bool LabelsFitSideBySide() const;

    QBarSeries* series_;
    QBarSet* set_;
    QBarCategoryAxis* labels_;
    QStringList barLabels_;
};

// The category texts of `bars`: a category axis refuses repeated texts, so each repeat
// of a label (the "---" placeholders) carries one more zero-width space than the last.
QStringList CategoryLabels(const std::vector<TSnrBar>& bars);

// A category text written one character a line (the zero-width spaces stay at its end).
QString StackedLabel(const QString& label);
