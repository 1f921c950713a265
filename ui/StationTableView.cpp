#include "StationTableView.h"

#include "AnsiText.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace {

// What a column is first wide enough for: a usual value, not the longest possible one
// (the user may widen a column).
const char* UsualCell(TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
        return "000000000";
    case TStationColumn::Name:
        return "HARBOUR STAR 8";
    case TStationColumn::StationClass:
        return "Base station";
    case TStationColumn::Distance:
        return "Distance (NM)";
    case TStationColumn::Bearing:
        return "Bearing";
    case TStationColumn::ChannelA:
    case TStationColumn::ChannelB:
        return "00000";
    case TStationColumn::LastHeard:
        return "00 min ago";
    case TStationColumn::CallSign:
        return "BQ12345";
    case TStationColumn::ShipType:
        return "Cargo, all ships";
    case TStationColumn::NavigationalStatus:
        return "Under way using engine";
    case TStationColumn::Latitude:
        return " 00\u00B000.0000'N";
    case TStationColumn::Longitude:
        return "000\u00B000.0000'E";
    case TStationColumn::Speed:
        return "00.0";
    case TStationColumn::Course:
        return "000.0";
    case TStationColumn::Heading:
        return "000";
    }
    return "";
}

} // namespace

StationTableView::StationTableView(QWidget* parent) : QTableView(parent), model_(this) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    // Every row has the same height: the view need not measure the rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setHighlightSections(false);
    ShowSortMark();
    SizeColumns();

    // The header flips its own mark before it reports the click; the mark is set again
    // from the rows once the presenter has sorted them.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        emit SortClicked(static_cast<TStationColumn>(section));
        ShowSortMark();
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowDoubleClicked(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { RememberSelection(); });
}

void StationTableView::SetRows(const TStationRows& rows) {
    model_.SetRows(rows);
    selectedMmsi_.clear();
    ShowSortMark();
}

void StationTableView::RowsChanged(const TStationRowChanges& changes) {
    const int before = model_.rowCount();
    const bool whole =
        changes.Reordered || model_.Rows() == nullptr || model_.Rows()->RowCount() != before;
    if (!whole) {
        model_.RowsChanged(changes);
        return;
    }
    const int scrolledTo = verticalScrollBar()->value();
    const int scrolledAcross = horizontalScrollBar()->value();
    const QString selected = selectedMmsi_;
    model_.RowsChanged(changes);
    // The reset has cleared the selection and the scroll bars' range; lay the rows out
    // now so that both can be set back.
    executeDelayedItemsLayout();
    selectedMmsi_ = selected;
    SelectRemembered();
    verticalScrollBar()->setValue(scrolledTo);
    horizontalScrollBar()->setValue(scrolledAcross);
    ShowSortMark();
}

void StationTableView::SizeColumns() {
    const QFontMetrics text = fontMetrics();
    const QFontMetrics header = horizontalHeader()->fontMetrics();
    // Room for the cell's margins, and in the header for the sort mark.
    const int cellMargin = text.averageCharWidth() * 2;
    const int markRoom = header.height() + cellMargin;
    for (int column = 0; column < kStationColumnCount; ++column) {
        const QString title =
            QString::fromLatin1(StationColumnTitle(static_cast<TStationColumn>(column)));
        const int cells = text.horizontalAdvance(
            QString::fromUtf8(UsualCell(static_cast<TStationColumn>(column))));
        setColumnWidth(column,
                       std::max(cells + cellMargin, header.horizontalAdvance(title) + markRoom));
    }
}

void StationTableView::ShowSortMark() {
    const TStationRows* rows = model_.Rows();
    if (rows == nullptr) {
        horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    horizontalHeader()->setSortIndicator(static_cast<int>(rows->SortColumn()),
                                         rows->SortDescending() ? Qt::DescendingOrder
                                                                : Qt::AscendingOrder);
}

void StationTableView::RememberSelection() {
    const QModelIndex current = currentIndex();
    const TStationRows* rows = model_.Rows();
    if (!current.isValid() || rows == nullptr || current.row() >= rows->RowCount()) {
        selectedMmsi_.clear();
        return;
    }
    selectedMmsi_ = ToQString(rows->Cell(current.row(), TStationColumn::Mmsi));
}

void StationTableView::SelectRemembered() {
    const TStationRows* rows = model_.Rows();
    if (selectedMmsi_.isEmpty() || rows == nullptr)
        return;
    const std::string mmsi = ToAnsi(selectedMmsi_);
    const int count = std::min(rows->RowCount(), model_.rowCount());
    for (int row = 0; row < count; ++row) {
        if (rows->Cell(row, TStationColumn::Mmsi) == mmsi) {
            // Selected without scrolling to it: the view stays where the user left it.
            selectionModel()->setCurrentIndex(model_.index(row, 0),
                                              QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
            return;
        }
    }
    // The station is gone (filtered out or cleared): nothing is selected.
    selectedMmsi_.clear();
}
