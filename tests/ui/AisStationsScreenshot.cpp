// The AIS STATIONS page as a newcomer sees it: the whole program at the window's own
// size, connected to the receiver simulator, until the table lists the simulated fleet
// and the coverage plot places it around the receiver's own fix; the window is then
// saved as a picture for the README.
#include "CoveragePlot.h"
#include "PageIndex.h"
#include "ScreenshotFixture.h"
#include "StationTableView.h"

#include <QTabWidget>

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace {

// The simulator's fleet: four class A ships and two class B craft.
const std::map<QString, QString> kFleetClasses = {
    {"416000101", "Class A"}, {"416000102", "Class A"}, {"416000103", "Class A"},
    {"416000104", "Class A"}, {"416000201", "Class B"}, {"416000202", "Class B"},
};

class AisStationsScreenshot : public ScreenshotFixture {
protected:
    // The MMSI and class cells of the rows shown.
    static std::map<QString, QString> ClassesShown(const QAbstractItemModel& model) {
        std::map<QString, QString> shown;
        const int classColumn = static_cast<int>(TStationColumn::StationClass);
        for (int row = 0; row < model.rowCount(); ++row)
            shown[model.index(row, 0).data().toString()] =
                model.index(row, classColumn).data().toString();
        return shown;
    }

    static bool AllNamed(const QAbstractItemModel& model) {
        const int nameColumn = static_cast<int>(TStationColumn::Name);
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, nameColumn).data().toString().isEmpty())
                return false;
        return true;
    }
};

TEST_F(AisStationsScreenshot, PageListsTheFleetAroundTheReceiver) {
    Configurator program;
    program.View().AnswerMessagesWith([](auto&&...) { return TMessageAnswer::Ok; });
    MainWindow& window = program.Window();
    window.show();
    ASSERT_NO_FATAL_FAILURE(ConnectToSimulator(program));
    // As the user's clicks on the tabs would.
    auto* main = window.findChild<QTabWidget*>(QStringLiteral("PageControlMain"));
    auto* diagnosis = window.findChild<QTabWidget*>(QStringLiteral("PageControlDiagnosis"));
    main->setCurrentIndex(TabOfPage(main, pgDiagnostics));
    diagnosis->setCurrentIndex(TabOfPage(diagnosis, pgAisStations));

    auto* grid = window.findChild<StationTableView*>(QStringLiteral("GridStations"));
    auto* plot = window.findChild<CoveragePlot*>(QStringLiteral("PaintBoxCoverage"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(plot, nullptr);
    // Every vessel heard with its class and its name (from its static data, sent less
    // often than its position), and the fix placing them all.
    auto fleetPlaced = [&] {
        const TCoverageView& coverage = plot->Coverage();
        const int placed =
            std::accumulate(coverage.BandCounts.begin(), coverage.BandCounts.end(), 0);
        return ClassesShown(*grid->model()) == kFleetClasses && coverage.HasOwnPosition &&
               placed == static_cast<int>(kFleetClasses.size()) && AllNamed(*grid->model());
    };
    EXPECT_TRUE(ProcessEventsUntil(fleetPlaced, 30000)) << sim_->Log();

    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const QString mmsi = grid->model()->index(row, 0).data().toString();
        for (TStationColumn column : {TStationColumn::Distance, TStationColumn::Bearing})
            EXPECT_FALSE(
                grid->model()->index(row, static_cast<int>(column)).data().toString().isEmpty())
                << mmsi.toStdString() << " " << StationColumnTitle(column);
    }
    const TCoverageView& coverage = plot->Coverage();
    EXPECT_EQ(coverage.Unusable, 0);
    // The fleet sails within a few miles of the receiver, in more than one direction.
    const auto sectorsHeard = std::count_if(coverage.FarthestNm.begin(), coverage.FarthestNm.end(),
                                            [](double nm) { return nm > 0; });
    EXPECT_GE(sectorsHeard, 2);

    SavePicture(window);
}

} // namespace
