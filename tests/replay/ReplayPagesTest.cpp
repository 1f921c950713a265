// A recorded log replayed fills the GPS STATUS page and the SYSTEM CHECK channel counts
// exactly as the same lines received from a connected receiver do.
#include "ControllerHarness.h"
#include "ReplayTestSupport.h"
#include "TempFolder.h"

#include "replay/LogReplay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadCapture(const std::string& name) {
    std::ifstream file(std::string(T360KV_TEST_DATA_DIR) + "/nmea/captures/" + name,
                       std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

const TControl kPageFields[] = {
    TControl::lblEdtGpsUtcDate,    TControl::lblEdtGpsUtcTime, TControl::lblEdtGpsFixMode,
    TControl::lblEdtHdop,          TControl::lblEdtGpsLat,     TControl::lblEdtGpsLon,
    TControl::lblEdtGpsSOG,        TControl::lblEdtGpsCOG,     TControl::lblEdtGpsNoSV_InView,
    TControl::lblEdtGpsNoSV_InUse, TControl::lblValGps,        TControl::lblValRxCntA,
    TControl::lblValRxCntB,
};

TEST(ReplayPages, FillAsWhenTheLinesAreReceivedLive) {
    for (const char* name : {"gpsd/ait250.log", "gpsd/garmin-geko201.log", "gpsd/saab-r4.log",
                             "gpsd/nmea-fuzzy-cases.log", "marnav/nmea-sample.txt"}) {
        const std::string bytes = ReadCapture(name);
        ASSERT_FALSE(bytes.empty()) << name;

        ControllerHarness live;
        live.Connect();
        live.Receive(bytes);
        live.SystemCheckTicks();

        ControllerHarness replayed;
        TempFolder folder;
        TLogReplay replay(replayed.app->Session());
        replay.SetSpeed(TReplayPacer::kAsFastAsPossible, At(0));
        ASSERT_TRUE(replay.Start(folder.Write("voyage.log", bytes), At(0))) << name;
        for (int tick = 0; tick < 100 && replay.IsRunning(); ++tick)
            replay.Tick(At(0));
        ASSERT_FALSE(replay.IsRunning()) << name;
        replayed.SystemCheckTicks();

        for (TControl field : kPageFields)
            EXPECT_EQ(replayed.view.texts[field], live.view.texts[field])
                << name << ": " << ControlName(field);
        EXPECT_EQ(replayed.view.satelliteViewsShown, live.view.satelliteViewsShown) << name;
        EXPECT_EQ(replayed.view.satelliteViews.Bars, live.view.satelliteViews.Bars) << name;
    }
}

TEST(ReplayPages, TheCapturesFillThePages) {
    // Against a comparison of two empty pages: the captures do reach the fields.
    ControllerHarness replayed;
    TempFolder folder;
    TLogReplay replay(replayed.app->Session());
    replay.SetSpeed(TReplayPacer::kAsFastAsPossible, At(0));
    ASSERT_TRUE(replay.Start(folder.Write("voyage.log", ReadCapture("gpsd/ait250.log")), At(0)));
    for (int tick = 0; tick < 100 && replay.IsRunning(); ++tick)
        replay.Tick(At(0));
    replayed.SystemCheckTicks();
    EXPECT_NE(replayed.view.texts[TControl::lblEdtGpsUtcTime], "");
    EXPECT_NE(replayed.view.texts[TControl::lblValRxCntA], "0");
}

} // namespace
