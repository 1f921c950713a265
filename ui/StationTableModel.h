// The AIS STATIONS table as Qt's item views read it: an adapter over the presenter's
// rows that reads each cell when a view draws it, and tells the views only which rows
// changed, so that a full table costs the rows on screen and not the whole list.
#pragma once

#include "view/StationRows.h"

#include <QAbstractTableModel>

class StationTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows to read from now on; they outlive the model. Every view reads again.
    void SetRows(const TStationRows& rows);
    // dataChanged for each run of changed rows, or a reset when the rows were reordered,
    // added or removed.
    void RowsChanged(const TStationRowChanges& changes);
    const TStationRows* Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void Reset();

    const TStationRows* rows_ = nullptr;
    // The row count the views were last told of: the rows may already hold more or fewer
    // before the presenter says so, and a view must never see the count change unannounced.
    int rowCount_ = 0;
};
