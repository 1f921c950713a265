// The AIS STATIONS page in the main controller: the tick runs from the start, received
// AIS lines reach the page, and the language sets its captions.
#include "ControllerHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(StationsWiring, ReceivedLinesReachThePageOnItsTick) {
    ControllerHarness h;
    EXPECT_TRUE(h.view.timers[TTimer::StationsTick]);
    EXPECT_EQ(h.view.stationRows, &h.app->Stations().Rows());
    h.Connect();
    h.Receive("!AIVDM,1,1,,B,25Cjtd0Oj;Jp7ilG7=UkKBoB0<06,0*60\r\n");
    h.app->TimerFired(TTimer::StationsTick);
    ASSERT_EQ(h.app->Stations().Rows().RowCount(), 1);
    EXPECT_EQ(h.app->Stations().Rows().Cell(0, TStationColumn::Mmsi), "356302000");
    EXPECT_EQ(h.app->Stations().Rows().Cell(0, TStationColumn::ChannelB), "1");
    EXPECT_EQ(h.view.texts[TControl::LabelStationCount], "1 station");
}

TEST(StationsWiring, CaptionsComeWithTheLanguage) {
    ControllerHarness h;
    const struct {
        TControl control;
        const char* caption;
    } captions[] = {
        {TControl::TabSheetAisStations, "AIS STATIONS"},
        {TControl::ButtonStationDetails, "Details"},
        {TControl::ButtonClearStations, "Clear"},
        {TControl::ButtonExportStations, "Export CSV..."},
    };
    for (const auto& c : captions)
        EXPECT_EQ(h.view.texts[c.control], c.caption) << ControlName(c.control);
}

} // namespace
