// Reading the device settings: the report's key lines into DeviceInfo and the
// Configuration pages, the selectors' rules, and the report offer after Read Device.
#include "ControllerHarness.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const std::vector<std::string> kRs232Items = {"115200", "57600", "38400", "19200", "9600", "4800"};
const std::vector<std::string> kNmeaItems = {"38400", "9600", "4800"};
const std::vector<std::string> kGpsModeItems = {"Altitude higher than 500m", "At Sea level"};

TEST(DeviceReport, PagesStartWithTheirItemsAndDefaults) {
    ControllerHarness h;
    EXPECT_EQ(h.view.lists[TControl::cbxBaud_RS232], kRs232Items);
    EXPECT_EQ(h.view.lists[TControl::cbxBaud_NMEA], kNmeaItems);
    EXPECT_EQ(h.view.lists[TControl::ComboBoxGPSNavStatus], kGpsModeItems);
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxBaud_RS232), 2); // "38400"
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxBaud_NMEA), -1);
    EXPECT_EQ(h.view.ItemIndex(TControl::ComboBoxGPSNavStatus), -1);
    EXPECT_FALSE(h.view.checked[TControl::CheckBoxInternalGPSEnable]);
    EXPECT_TRUE(h.view.enabled[TControl::LabelGPSNavStatus]);
    EXPECT_TRUE(h.view.enabled[TControl::ComboBoxGPSNavStatus]);
    EXPECT_FALSE(h.app->Session().Report().FirmwareValid);
    EXPECT_FALSE(h.app->Session().Report().SerialNoValid);
    EXPECT_EQ(h.app->Configuration().ReportCountdown(), 255);
}

// The values' own rules are the report line reader's (DeviceReportLineTest); these
// tests check that they reach DeviceInfo and what the Configuration pages show of them.
TEST(DeviceReport, ReadValuesReachDeviceInfo) {
    ControllerHarness h;
    h.ClickConnect();
    h.Receive("Firmware:T360KV V1.0.8\r\n");
    h.Receive("[SerialNo]=TL360K2409001\r\n");
    h.Receive("NMEA_2_TX:(9600)\r\n");
    EXPECT_STREQ(h.app->Session().Report().Firmware, "T360KV V1.0.8");
    EXPECT_STREQ(h.app->Session().Report().SerialNo, "TL360K2409001");
    EXPECT_EQ(h.app->Session().Report().Rs232Baud, 9600);
}

TEST(DeviceReport, BaudRatesSelectTheFirstItemContainingAllTheirDigits) {
    struct Case {
        const char* line;
        TControl selector;
        int item;
    };
    const Case cases[] = {
        {"NMEA_2_TX:(9600)", TControl::cbxBaud_RS232, 4},
        {"NMEA_2_TX:(4800)", TControl::cbxBaud_RS232, 5}, // not "38400"
        {"NMEA_2_TX:(57600)", TControl::cbxBaud_RS232, 1},
        {"NMEA_1_TX:(38400)", TControl::cbxBaud_NMEA, 0},
        {"NMEA_1_TX:(4800)", TControl::cbxBaud_NMEA, 2},
        {"NMEA_1_TX:(115200)", TControl::cbxBaud_NMEA, 0}, // no item has it
        {"NMEA_1_TX:(14400)", TControl::cbxBaud_NMEA, 0},
        {"NMEA_2_TX:(9600 baud)", TControl::cbxBaud_RS232, 4}, // digits at the start
        {"NMEA_2_TX:()", TControl::cbxBaud_RS232, 0},
        {"NMEA_2_TX:(99999999999)", TControl::cbxBaud_RS232, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ControllerHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        EXPECT_EQ(h.view.ItemIndex(c.selector), c.item);
    }
}

TEST(DeviceReport, BaudLineWithoutClosingBracketChangesNothing) {
    ControllerHarness h;
    h.ClickConnect();
    h.Receive("NMEA_2_TX:(9600)\r\n");
    h.Receive("NMEA_2_TX:(4800\r\n");
    h.Receive("NMEA_2_TX:(4800) \r\n");
    EXPECT_EQ(h.app->Session().Report().Rs232Baud, 9600);
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxBaud_RS232), 4);
}

TEST(DeviceReport, GpsOutputChecksTheBoxAndEnablesTheModeOnlyWhenOn) {
    struct Case {
        const char* line;
        bool on;
    };
    const Case cases[] = {{"GPS_Output=ON", true},
                          {"GPS_Output=OFF", false},
                          {"GPS_Output=", false},
                          {"GPS_Output=is ON now", true},
                          {"GPS_Output=on", false}}; // the search is case-sensitive
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ControllerHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        EXPECT_EQ(h.view.checked[TControl::CheckBoxInternalGPSEnable], c.on);
        EXPECT_EQ(h.view.enabled[TControl::LabelGPSNavStatus], c.on);
        EXPECT_EQ(h.view.enabled[TControl::ComboBoxGPSNavStatus], c.on);
    }
}

TEST(DeviceReport, DynamicModelFiveIsAtSeaEverythingElseAltitude) {
    struct Case {
        const char* line;
        int item;
    };
    const Case cases[] = {
        {"[GPS_NAV5_dynModel]=5", 1},           {"[GPS_NAV5_dynModel]=4", 0},
        {"[GPS_NAV5_dynModel]= +5", 1},         {"[GPS_NAV5_dynModel]=-3", 0},
        {"[GPS_NAV5_dynModel]=x", 0},           {"[GPS_NAV5_dynModel]=5a", 1},
        {"[GPS_NAV5_dynModel]=99999999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ControllerHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        EXPECT_EQ(h.view.ItemIndex(TControl::ComboBoxGPSNavStatus), c.item);
    }
}

TEST(DeviceReport, GpsEnableClickEnablesTheModeExactlyWhenChecked) {
    ControllerHarness h;
    for (bool checked : {false, true, false}) {
        h.view.checked[TControl::CheckBoxInternalGPSEnable] = checked;
        h.app->Configuration().InternalGpsToggled();
        EXPECT_EQ(h.view.enabled[TControl::LabelGPSNavStatus], checked);
        EXPECT_EQ(h.view.enabled[TControl::ComboBoxGPSNavStatus], checked);
    }
}

TEST(DeviceReport, ReportIsReadWhileConnectingAndConnected) {
    ControllerHarness h;
    h.ClickConnect(); // Connecting
    h.Receive("[SerialNo]=B2\r\n");
    EXPECT_STREQ(h.app->Session().Report().SerialNo, "B2");
    h.Receive("[DEVICE DATA END]\r\n"); // Connected
    h.Receive("[SerialNo]=C3\r\n");
    EXPECT_STREQ(h.app->Session().Report().SerialNo, "C3");
}

TEST(DeviceReport, ReadDeviceRequestsTheReportAndOffersTheFileFiveTicksLater) {
    ControllerHarness h;
    h.Connect();
    h.view.messageBoxAnswer = TMessageAnswer::Cancel;
    int requests = h.ReportRequests();
    h.view.pages[TControl::PageControlConf] = pgRestore;
    h.app->Configuration().ReadDeviceClicked();
    EXPECT_EQ(h.ReportRequests(), requests + 1);
    h.HalfSecondTicks(4);
    EXPECT_TRUE(h.view.messages.empty());
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgRestore);
    h.HalfSecondTicks(); // fifth tick; the report never came: the offer is made with what is known
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"Save: Do you want to save report?"});
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
    EXPECT_EQ(h.app->Configuration().ReportCountdown(), 255);
    h.HalfSecondTicks(20);
    EXPECT_EQ(h.view.messages.size(), 1u) << "the offer is made once";
}

} // namespace
