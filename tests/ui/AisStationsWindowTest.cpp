// The AIS STATIONS page in the whole program: the stations heard on the line reach the
// table, and the user's header clicks, filter text and buttons reach the page's presenter.
#include "PageIndex.h"
#include "StationDetailsWindow.h"
#include "StationTableView.h"
#include "WindowFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Position reports (type 1) of two ships: 211000001 at 54.1 N 10.5 E, 244000002 at
// 53.9 N 10.2 E.
constexpr char kFirstShip[] = "!AIVDM,1,1,,A,139>Jh@P1T0h4;0Nu<p3Q2mp0000,0*29";
constexpr char kSecondShip[] = "!AIVDM,1,1,,A,13`dU0PP0j0fdB0Nmp8725ap0000,0*15";

class AisStationsWindow : public WindowFixture {
protected:
    AisStationsWindow() : WindowFixture({"USB Serial Port (COM5)"}) {}

    void SetUp() override {
        QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
        line_->Receive("[DEVICE DATA END]\r\n");
        ASSERT_TRUE(ProcessEventsUntil([this] { return Controller().Session().IsConnected(); }));
        auto* main = Find<QTabWidget>("PageControlMain");
        auto* diagnosis = Find<QTabWidget>("PageControlDiagnosis");
        main->setCurrentIndex(TabOfPage(main, pgDiagnostics));
        diagnosis->setCurrentIndex(TabOfPage(diagnosis, pgAisStations));
        line_->Receive(std::string(kFirstShip) + "\r\n" + kSecondShip + "\r\n");
        ASSERT_TRUE(ProcessEventsUntil([this] { return Rows() == 2; }));
    }

    StationTableView* Grid() { return Find<StationTableView>("GridStations"); }
    int Rows() {
        Tick();
        return Grid()->model()->rowCount();
    }
    // The stations timer's tick, at once rather than after half a second.
    void Tick() { Controller().TimerFired(TTimer::StationsTick); }
    QStringList Mmsis() {
        QStringList mmsis;
        for (int row = 0; row < Grid()->model()->rowCount(); ++row)
            mmsis << Grid()->model()->index(row, 0).data().toString();
        return mmsis;
    }
    void ClickHeader(TStationColumn column) {
        QHeaderView* header = Grid()->horizontalHeader();
        const int section = static_cast<int>(column);
        Grid()->scrollTo(Grid()->model()->index(0, section));
        QCoreApplication::processEvents();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        Tick();
    }
};

TEST_F(AisStationsWindow, ShowsTheCaptionsAndTheStationsHeard) {
    auto* diagnosis = Find<QTabWidget>("PageControlDiagnosis");
    EXPECT_EQ(diagnosis->tabText(TabOfPage(diagnosis, pgAisStations)), "AIS STATIONS");
    EXPECT_EQ(Find<QPushButton>("ButtonStationDetails")->text(), "Details");
    EXPECT_EQ(Find<QPushButton>("ButtonClearStations")->text(), "Clear");
    EXPECT_EQ(Find<QPushButton>("ButtonExportStations")->text(), "Export CSV...");
    EXPECT_EQ(Find<QLineEdit>("EditStationFilter")->placeholderText(), "MMSI or name");
    EXPECT_EQ(Find<QLabel>("LabelStationCount")->text(), "2 stations");
    QStringList mmsis = Mmsis();
    mmsis.sort();
    EXPECT_EQ(mmsis, QStringList({"211000001", "244000002"}));
}

TEST_F(AisStationsWindow, SortsByTheColumnClickedAndAgainTheOtherWay) {
    const struct {
        TStationColumn column;
        QStringList order;
    } clicks[] = {
        // 211000001 lies north of 244000002.
        {TStationColumn::Latitude, {"244000002", "211000001"}},
        {TStationColumn::Latitude, {"211000001", "244000002"}},
        {TStationColumn::Mmsi, {"211000001", "244000002"}},
        {TStationColumn::Mmsi, {"244000002", "211000001"}},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(StationColumnTitle(click.column));
        ClickHeader(click.column);
        EXPECT_EQ(Grid()->horizontalHeader()->sortIndicatorSection(),
                  static_cast<int>(click.column));
        EXPECT_EQ(Mmsis(), click.order);
    }
}

TEST_F(AisStationsWindow, FiltersAsTheUserTypes) {
    auto* filter = Find<QLineEdit>("EditStationFilter");
    QTest::keyClicks(filter, "2440");
    Tick();
    EXPECT_EQ(Mmsis(), QStringList({"244000002"}));
    filter->clear();
    QTest::keyClicks(filter, "x");
    QTest::keyClick(filter, Qt::Key_Backspace);
    Tick();
    EXPECT_EQ(Mmsis().size(), 2);
}

TEST_F(AisStationsWindow, DetailsShowTheSelectedStationsMessage) {
    for (int row = 0; row < 2; ++row) {
        Grid()->selectRow(row);
        Find<QPushButton>("ButtonStationDetails")->click();
        auto* details = Window().findChild<StationDetailsWindow*>();
        ASSERT_NE(details, nullptr);
        EXPECT_TRUE(details->isVisible());
        EXPECT_TRUE(details->windowTitle().contains(Mmsis()[row]))
            << details->windowTitle().toStdString();
    }
}

TEST_F(AisStationsWindow, ClearEmptiesTheTable) {
    Find<QPushButton>("ButtonClearStations")->click();
    Tick();
    EXPECT_EQ(Grid()->model()->rowCount(), 0);
}

TEST_F(AisStationsWindow, ExportsTheRowsShownToTheFileChosen) {
    const std::filesystem::path file =
        std::filesystem::path(testing::TempDir()) / "t360kv-stations-export.csv";
    std::filesystem::remove(file);
    View().AnswerSaveFileWith([&file](const TSaveFileRequest&, std::string& name) {
        name = file.string();
        return true;
    });
    Find<QPushButton>("ButtonExportStations")->click();

    std::ifstream saved(file, std::ios::binary);
    ASSERT_TRUE(saved) << file;
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("MMSI"), std::string::npos);
    EXPECT_NE(text.str().find("211000001"), std::string::npos);
    EXPECT_NE(text.str().find("244000002"), std::string::npos);
    std::filesystem::remove(file);
}

} // namespace
