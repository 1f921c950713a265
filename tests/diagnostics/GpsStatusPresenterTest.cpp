// The GPS STATUS page on the window controller: received lines reach the page's fields,
// and a completed cycle reaches the sky map, the SNR chart and the two counts.
#include "ControllerHarness.h"
#include "diagnostics/SnrChart.h"
#include "nmea/Checksum.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kRmc[] = "$GPRMC,081530.00,A,2530.0000,N,12115.0000,W,12.5,84.4,270225,,,A";
const char kGga[] = "$GPGGA,081530.00,2530.0000,N,12115.0000,W,1,08,0.9,10.0,M,20.0,M,,";
const char kGsa[] = "$GPGSA,A,3,05,12,,,,,,,,,,,1.8,0.9,1.5";
const char kGsv[] = "$GPGSV,1,1,03,05,45,090,41,12,30,180,35,20,10,270,22";

void Send(ControllerHarness& h, std::string body) {
    AppendChecksum(body);
    h.Receive(body + "\r\n");
}

TEST(GpsStatusPresenter, StartsWithPlaceholderBarsAndNoSymbols) {
    ControllerHarness h;
    EXPECT_EQ(h.view.satelliteViewsShown, 1);
    EXPECT_EQ(h.view.satelliteViews.Bars, InitialSnrBars());
    EXPECT_FALSE(h.view.satelliteViews.ValueMarksVisible);
    for (const TSatelliteSymbol& symbol : h.view.satelliteViews.Symbols)
        EXPECT_FALSE(symbol.Visible);
}

TEST(GpsStatusPresenter, SentencesWriteThePageFields) {
    ControllerHarness h;
    h.ClickConnect();
    Send(h, kRmc);
    Send(h, kGsa);
    Send(h, kGga);
    const struct {
        TControl control;
        const char* text;
    } fields[] = {
        {TControl::lblEdtGpsUtcDate, "2025/02/27"},
        {TControl::lblEdtGpsUtcTime, "08:15:30"},
        {TControl::lblEdtGpsFixMode, "3D"},
        {TControl::lblEdtHdop, " 0.9"},
        {TControl::lblEdtGpsLat, " 25\xB0"
                                 "30.0000'N"},
        {TControl::lblEdtGpsLon, "121\xB0"
                                 "15.0000'W"},
        {TControl::lblEdtGpsSOG, "12.50 Kt"},
        {TControl::lblEdtGpsCOG, " 84.4\xB0"},
    };
    for (const auto& field : fields)
        EXPECT_EQ(h.view.texts[field.control], field.text) << ControlName(field.control);
}

TEST(GpsStatusPresenter, LinesThatAreNoSentenceLeaveTheFields) {
    ControllerHarness h;
    h.ClickConnect();
    Send(h, kRmc);
    h.Receive("GPRMC,091530.00,A,2530.0000,N,12115.0000,W,12.5,84.4,270225,,,A*00\r\n");
    h.Receive("$GPRMC,091530.00,A,2530.0000,N,12115.0000,W,12.5,84.4,270225,,,A*00\r\n");
    EXPECT_EQ(h.view.texts[TControl::lblEdtGpsUtcTime], "08:15:30");
}

TEST(GpsStatusPresenter, SecondRmcDrawsTheCycleOnce) {
    ControllerHarness h;
    h.ClickConnect();
    Send(h, kRmc);
    Send(h, kGsa);
    Send(h, kGsv);
    Send(h, kGga);
    EXPECT_EQ(h.view.satelliteViewsShown, 1) << "only the start-up views so far";
    Send(h, kRmc);
    ASSERT_EQ(h.view.satelliteViewsShown, 2);
    Send(h, kGga);
    EXPECT_EQ(h.view.satelliteViewsShown, 2) << "the new cycle has seen no GGA yet";

    const TSatelliteViewData& views = h.view.satelliteViews;
    EXPECT_TRUE(views.ValueMarksVisible);
    ASSERT_EQ(views.Bars.size(), 16u);
    EXPECT_EQ(views.Bars[0], (TSnrBar{"5", 41, kLime}));
    EXPECT_EQ(views.Bars[1], (TSnrBar{"12", 35, kLime}));
    EXPECT_EQ(views.Bars[2], (TSnrBar{"20", 22, kBlue}));
    EXPECT_EQ(views.Bars[3].Label, kSnrPlaceholderLabel);
    for (size_t i = 0; i < views.Symbols.size(); ++i)
        EXPECT_EQ(views.Symbols[i].Visible, i < 3) << i;
    EXPECT_EQ(views.Symbols[2].Prn, 20);
    EXPECT_EQ(h.view.texts[TControl::lblEdtGpsNoSV_InView], "3");
    EXPECT_EQ(h.view.texts[TControl::lblEdtGpsNoSV_InUse], "2");
}

TEST(GpsStatusPresenter, SymbolsArePlacedOnTheMapAsLastDrawn) {
    ControllerHarness h;
    h.ClickConnect();
    auto cycle = [&] {
        Send(h, kRmc);
        Send(h, "$GPGSV,1,1,01,05,00,000,41");
        Send(h, kRmc);
    };
    cycle();
    // Before the map was ever drawn there is no geometry: the centre is (0, 0).
    EXPECT_EQ(h.view.satelliteViews.Symbols[0].Left, -10);
    EXPECT_EQ(h.view.satelliteViews.Symbols[0].Top, -10);
    h.app->GpsStatus().SatelliteMapDrawn(198, 200);
    cycle();
    EXPECT_EQ(h.view.satelliteViews.Symbols[0].Left, 88);
    EXPECT_EQ(h.view.satelliteViews.Symbols[0].Top, -1);
}

} // namespace
