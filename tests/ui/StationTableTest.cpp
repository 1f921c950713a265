// The AIS STATIONS table on its own: the model reads the presenter's rows and reports
// exactly the rows that changed; the view asks the presenter to sort, shows the
// presenter's order, and keeps the user's station and scroll position when the rows
// are read again.
#include "StationRowsTable.h"
#include "StationTableView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

struct ChangeCase {
    const char* what;
    int rowsAfter; // the rows the table holds when the view is told
    TStationRowChanges changes;
    std::set<int> reported; // rows in the dataChanged signals
    bool reset;
};

const ChangeCase kChangeCases[] = {
    {"runs and a lone row", 10, {false, {1, 2, 3, 7}}, {1, 2, 3, 7}, false},
    {"first and last rows", 10, {false, {0, 9}}, {0, 9}, false},
    {"nothing", 10, {false, {}}, {}, false},
    // Rows beyond the table are no rows; the ones before them still changed.
    {"a run past the end", 10, {false, {8, 9, 10, 11}}, {8, 9}, false},
    {"a new order", 10, {true, {}}, {}, true},
    // More rows than announced without the flag: reading everything again is always right.
    {"rows added unannounced", 12, {false, {2}}, {}, true},
    {"rows gone unannounced", 4, {false, {2}}, {}, true},
};

TEST(StationTableModel, ReportsExactlyTheChangedRowsOrAReset) {
    for (const ChangeCase& item : kChangeCases) {
        SCOPED_TRACE(item.what);
        StationRowsTable rows = StationRowsTable::Numbered(10);
        StationTableModel model;
        model.SetRows(rows);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        rows = StationRowsTable::Numbered(item.rowsAfter);
        model.RowsChanged(item.changes);

        std::set<int> reported;
        for (const QList<QVariant>& signal : changed) {
            const auto topLeft = signal.at(0).value<QModelIndex>();
            const auto bottomRight = signal.at(1).value<QModelIndex>();
            EXPECT_EQ(topLeft.column(), 0);
            EXPECT_EQ(bottomRight.column(), kStationColumnCount - 1);
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                EXPECT_TRUE(reported.insert(row).second) << "row " << row << " twice";
        }
        EXPECT_EQ(reported, item.reported);
        EXPECT_EQ(reset.count(), item.reset ? 1 : 0);
        EXPECT_EQ(model.rowCount(), item.reset ? item.rowsAfter : 10);
    }
}

TEST(StationTableModel, ReadsTheCellsAsEightBitTextUnderTheColumnTitles) {
    StationRowsTable rows;
    rows.Add("416000101", "CAF\xC9 DU PORT");
    StationTableModel model;
    model.SetRows(rows);

    ASSERT_EQ(model.rowCount(), 1);
    ASSERT_EQ(model.columnCount(), kStationColumnCount);
    EXPECT_EQ(model.data(model.index(0, static_cast<int>(TStationColumn::Mmsi))).toString(),
              "416000101");
    EXPECT_EQ(model.data(model.index(0, static_cast<int>(TStationColumn::Name))).toString(),
              QString::fromUtf8("CAFÉ DU PORT"));
    for (int column = 0; column < kStationColumnCount; ++column)
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(),
                  QString::fromLatin1(StationColumnTitle(static_cast<TStationColumn>(column))))
            << column;
}

// A row that has gone from the rows before the view was told reads as empty, never
// beyond the rows' end.
TEST(StationTableModel, ReadsNothingOfRowsAlreadyGone) {
    StationRowsTable rows = StationRowsTable::Numbered(3);
    StationTableModel model;
    model.SetRows(rows);
    rows.rows.pop_back();

    EXPECT_FALSE(model.data(model.index(2, 0)).isValid());
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), "100000001");
}

class StationTableViewTest : public testing::Test {
protected:
    StationTableViewTest() : view_(nullptr) {
        view_.resize(600, 300);
        view_.SetRows(rows_);
        view_.show();
    }

    QString Mmsi(int row) const {
        return QString::fromStdString(rows_.Cell(row, TStationColumn::Mmsi));
    }
    QString SelectedMmsi() {
        const QModelIndex current = view_.currentIndex();
        return current.isValid() && view_.selectionModel()->isRowSelected(current.row())
                   ? Mmsi(current.row())
                   : QString();
    }
    void ClickHeader(TStationColumn column) {
        QHeaderView* header = view_.horizontalHeader();
        const int section = static_cast<int>(column);
        view_.scrollTo(view_.model()->index(0, section));
        QTest::qWait(0);
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    StationRowsTable rows_ = StationRowsTable::Numbered(200);
    StationTableView view_;
};

TEST_F(StationTableViewTest, KeepsTheSelectedStationAndTheScrollPositionOnANewOrder) {
    view_.selectRow(150);
    const int scrolledTo = view_.verticalScrollBar()->maximum() / 2;
    view_.verticalScrollBar()->setValue(scrolledTo);
    ASSERT_EQ(SelectedMmsi(), "100000150");

    std::reverse(rows_.rows.begin(), rows_.rows.end());
    rows_.descending = true;
    view_.RowsChanged({true, {}});

    EXPECT_EQ(view_.currentIndex().row(), 49);
    EXPECT_EQ(SelectedMmsi(), "100000150");
    EXPECT_EQ(view_.verticalScrollBar()->value(), scrolledTo);
    EXPECT_EQ(view_.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(StationTableViewTest, SelectsNothingWhenTheSelectedStationIsFilteredOut) {
    view_.selectRow(5);
    rows_.rows.erase(rows_.rows.begin() + 5);
    view_.RowsChanged({true, {}});

    EXPECT_EQ(SelectedMmsi(), QString());
    // Nor is it selected again when it comes back: the user has lost it from sight.
    rows_ = StationRowsTable::Numbered(200);
    view_.RowsChanged({true, {}});
    EXPECT_EQ(SelectedMmsi(), QString());
}

// The header's mark is the presenter's order; Qt's own flip on a click never stays.
TEST_F(StationTableViewTest, AHeaderClickAsksForTheSortAndShowsThePresentersOrder) {
    struct SortCase {
        TStationColumn clicked;
        bool presenterSorts; // the presenter takes the click
        TStationColumn shown;
        Qt::SortOrder order;
    };
    const SortCase cases[] = {
        {TStationColumn::Name, true, TStationColumn::Name, Qt::AscendingOrder},
        {TStationColumn::Name, true, TStationColumn::Name, Qt::DescendingOrder},
        {TStationColumn::Distance, false, TStationColumn::Name, Qt::DescendingOrder},
        {TStationColumn::LastHeard, true, TStationColumn::LastHeard, Qt::AscendingOrder},
    };
    std::vector<TStationColumn> asked;
    QObject::connect(&view_, &StationTableView::SortClicked, [&](TStationColumn column) {
        asked.push_back(column);
        if (!cases[asked.size() - 1].presenterSorts)
            return;
        rows_.descending = rows_.sortColumn == column && !rows_.descending;
        rows_.sortColumn = column;
    });
    for (const SortCase& item : cases) {
        SCOPED_TRACE(StationColumnTitle(item.clicked));
        const size_t before = asked.size();
        ClickHeader(item.clicked);
        ASSERT_EQ(asked.size(), before + 1);
        EXPECT_EQ(asked.back(), item.clicked);
        EXPECT_EQ(view_.horizontalHeader()->sortIndicatorSection(), static_cast<int>(item.shown));
        EXPECT_EQ(view_.horizontalHeader()->sortIndicatorOrder(), item.order);
    }
}

TEST_F(StationTableViewTest, ADoubleClickNamesTheRowShown) {
    QSignalSpy doubleClicked(&view_, &StationTableView::RowDoubleClicked);
    const QRect cell = view_.visualRect(view_.model()->index(3, 1));
    // A double click arrives as a click and then the second press.
    QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, cell.center());

    ASSERT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked.at(0).at(0).toInt(), 3);
}

} // namespace
