// The AIS STATIONS table: a QTableView on StationTableModel. Sorting is the presenter's:
// a header click asks for it, and the header's sort mark shows the rows' own order. When
// the rows are read again whole (a new order, a filter, stations added), the selected
// station stays selected and the view stays where the user scrolled it.
#pragma once

#include "StationTableModel.h"

#include <QString>
#include <QTableView>

class StationTableView : public QTableView {
    Q_OBJECT

public:
    explicit StationTableView(QWidget* parent);

    void SetRows(const TStationRows& rows);
    void RowsChanged(const TStationRowChanges& changes);
    StationTableModel& Model() { return model_; }

signals:
    // The user clicked the header of `column`.
    void SortClicked(TStationColumn column);
    // The user double-clicked the row shown at `row`.
    void RowDoubleClicked(int row);

private:
    void SizeColumns();
    void ShowSortMark();
    void RememberSelection();
    void SelectRemembered();

    StationTableModel model_;
    // The MMSI cell of the selected station; empty when none is selected. Kept as text
    // because the rows have already changed when the view is told.
    QString selectedMmsi_;
};
