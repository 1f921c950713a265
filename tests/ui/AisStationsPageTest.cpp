// The AIS STATIONS page in the main window: its controls by name with their captions,
// the view operations that fill it, and the user's clicks reaching the page's presenter.
#include "CoveragePlot.h"
#include "PageIndex.h"
#include "StationDetailsWindow.h"
#include "StationRowsTable.h"
#include "StationTableView.h"
#include "WindowFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace {

// The window and its view without a controller: what the view operations show.
class StationsViewTest : public testing::Test {
protected:
    StationsViewTest() { window_.show(); }

    template <class Kind> Kind* Find(const char* name) {
        auto* found = window_.findChild<Kind*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    StationDetailsWindow* Details() { return window_.findChild<StationDetailsWindow*>(); }
    // Each message with its fields as "field=value", as the details window lists them.
    std::vector<QStringList> DetailLines() {
        std::vector<QStringList> lines;
        auto* tree = Details()->findChild<QTreeWidget*>();
        for (int group = 0; group < tree->topLevelItemCount(); ++group) {
            QTreeWidgetItem* message = tree->topLevelItem(group);
            QStringList fields{message->text(0)};
            for (int field = 0; field < message->childCount(); ++field)
                fields << message->child(field)->text(0) + "=" + message->child(field)->text(1);
            lines.push_back(fields);
        }
        return lines;
    }

    MainWindow window_;
    QtMainView view_{window_};
};

TEST_F(StationsViewTest, FillsTheTableFromTheRowsAndReadsThemAgainWhenTold) {
    StationRowsTable rows = StationRowsTable::Numbered(3);
    view_.SetStationRows(rows);
    auto* grid = Find<StationTableView>("GridStations");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->index(2, 1).data().toString(), "VESSEL 2");

    rows.rows[2][static_cast<size_t>(TStationColumn::Name)] = "RENAMED";
    rows.Add("100000003", "VESSEL 3");
    view_.StationRowsChanged({true, {}});
    ASSERT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->model()->index(2, 1).data().toString(), "RENAMED");
}

TEST_F(StationsViewTest, ShowsTheCoverageOnThePlot) {
    TCoverageView coverage;
    coverage.HasOwnPosition = true;
    coverage.FarthestNm[3] = 8.5;
    coverage.BandCounts[1] = 4;
    view_.ShowCoverage(coverage);

    const TCoverageView& shown = Find<CoveragePlot>("PaintBoxCoverage")->Coverage();
    EXPECT_TRUE(shown.HasOwnPosition);
    EXPECT_EQ(shown.FarthestNm[3], 8.5);
    EXPECT_EQ(shown.BandCounts[1], 4);
}

TEST_F(StationsViewTest, ShowsDetailsInOneWindowThatTheNextStationReplaces) {
    view_.ShowStationDetails("MMSI 416000101 SEA BREEZE 8",
                             {{"Type 1: position report", "Latitude",
                               "25\xB0"
                               "03.0000'N"},
                              {"Type 1: position report", "SOG", "12.5 kn"},
                              {"Type 5: static and voyage data", "Name", "SEA BREEZE 8"}});
    ASSERT_NE(Details(), nullptr);
    EXPECT_TRUE(Details()->isVisible());
    EXPECT_FALSE(Details()->isModal());
    EXPECT_EQ(Details()->windowTitle(), "MMSI 416000101 SEA BREEZE 8");
    const std::vector<QStringList> first = {
        {"Type 1: position report", QString::fromUtf8("Latitude=25°03.0000'N"), "SOG=12.5 kn"},
        {"Type 5: static and voyage data", "Name=SEA BREEZE 8"}};
    EXPECT_EQ(DetailLines(), first);

    view_.ShowStationDetails("MMSI 416000201 PELICAN II",
                             {{"Type 18: class B position report", "COG", "300.0\xB0"}});
    EXPECT_EQ(window_.findChildren<StationDetailsWindow*>().size(), 1);
    EXPECT_EQ(Details()->windowTitle(), "MMSI 416000201 PELICAN II");
    const std::vector<QStringList> second = {
        {"Type 18: class B position report", QString::fromUtf8("COG=300.0°")}};
    EXPECT_EQ(DetailLines(), second);
}

TEST_F(StationsViewTest, RunsTheStationsTimerEveryHalfSecond) {
    QTimer& timer = window_.Timer(TTimer::StationsTick);
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_FALSE(timer.isActive());
    view_.SetTimerEnabled(TTimer::StationsTick, true);
    EXPECT_TRUE(timer.isActive());
}

} // namespace
