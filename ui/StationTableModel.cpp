#include "StationTableModel.h"

#include "AnsiText.h"

#include <algorithm>

namespace {

// Numbers read best aligned on their right, texts on their left.
bool IsNumeric(TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
    case TStationColumn::Speed:
    case TStationColumn::Course:
    case TStationColumn::Heading:
    case TStationColumn::Distance:
    case TStationColumn::Bearing:
    case TStationColumn::ChannelA:
    case TStationColumn::ChannelB:
        return true;
    default:
        return false;
    }
}

} // namespace

void StationTableModel::SetRows(const TStationRows& rows) {
    rows_ = &rows;
    Reset();
}

void StationTableModel::Reset() {
    beginResetModel();
    rowCount_ = rows_ != nullptr ? rows_->RowCount() : 0;
    endResetModel();
}

void StationTableModel::RowsChanged(const TStationRowChanges& changes) {
    if (rows_ == nullptr)
        return;
    // A count that changed without Reordered would leave the views with rows that do not
    // exist; reading everything again is always right.
    if (changes.Reordered || rows_->RowCount() != rowCount_) {
        Reset();
        return;
    }
    const std::vector<int>& changed = changes.Changed;
    const int lastColumn = kStationColumnCount - 1;
    size_t first = 0;
    while (first < changed.size()) {
        size_t last = first;
        while (last + 1 < changed.size() && changed[last + 1] == changed[last] + 1)
            ++last;
        const int top = std::max(changed[first], 0);
        const int bottom = std::min(changed[last], rowCount_ - 1);
        if (top <= bottom)
            emit dataChanged(index(top, 0), index(bottom, lastColumn), {Qt::DisplayRole});
        first = last + 1;
    }
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStationColumnCount;
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
    if (rows_ == nullptr || !index.isValid() || index.row() >= rows_->RowCount())
        return {};
    const auto column = static_cast<TStationColumn>(index.column());
    // The tip shows a cell cut short by its column whole.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return ToQString(rows_->Cell(index.row(), column));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (IsNumeric(column) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kStationColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(StationColumnTitle(static_cast<TStationColumn>(section)));
}
