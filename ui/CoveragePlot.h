// The coverage plot of the AIS STATIONS page: north up, the receiver at the centre, range
// rings labelled in NM, each 10-degree sector filled out to the farthest station heard in
// it, and below the plot the stations per distance band and those without a usable
// position. Hovering a sector names its farthest station.
#pragma once

#include "view/StationRows.h"

#include <QPointF>
#include <QWidget>

class CoveragePlot : public QWidget {
    Q_OBJECT

public:
    explicit CoveragePlot(QWidget* parent);

    void Show(const TCoverageView& coverage);
    const TCoverageView& Coverage() const { return coverage_; }

    // Where the plot lies in the widget: the receiver and the outermost ring's radius in
    // pixels, which stands for RingStepNm * RingCount.
    QPointF Centre() const;
    double OuterRadius() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    double OuterRangeNm() const;
    int LegendHeight() const;
    QString SectorTip(QPointF at) const;

    TCoverageView coverage_;
};
