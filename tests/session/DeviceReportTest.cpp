// Reading the device settings: the report's key lines into DeviceInfo and the
// Configuration pages, the selectors' rules, and the report offer after Read Device.
#include "FormHarness.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const std::vector<std::string> kRs232Items = {"115200", "57600", "38400", "19200", "9600", "4800"};
const std::vector<std::string> kNmeaItems = {"38400", "9600", "4800"};
const std::vector<std::string> kGpsModeItems = {"Altitude higher than 500m", "At Sea level"};

TEST(DeviceReport, PagesStartWithTheirItemsAndDefaults) {
    FormHarness h;
    EXPECT_EQ(h.view.lists[TControl::cbxBaud_RS232], kRs232Items);
    EXPECT_EQ(h.view.lists[TControl::cbxBaud_NMEA], kNmeaItems);
    EXPECT_EQ(h.view.lists[TControl::ComboBoxGPSNavStatus], kGpsModeItems);
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxBaud_RS232), 2); // "38400"
    EXPECT_EQ(h.view.ItemIndex(TControl::cbxBaud_NMEA), -1);
    EXPECT_EQ(h.view.ItemIndex(TControl::ComboBoxGPSNavStatus), -1);
    EXPECT_FALSE(h.view.checked[TControl::CheckBoxInternalGPSEnable]);
    EXPECT_TRUE(h.view.enabled[TControl::LabelGPSNavStatus]);
    EXPECT_TRUE(h.view.enabled[TControl::ComboBoxGPSNavStatus]);
    EXPECT_FALSE(h.form->DeviceInfo.FirmwareValid);
    EXPECT_FALSE(h.form->DeviceInfo.SerialNoValid);
    EXPECT_EQ(h.form->ReportCountdown, 255);
}

TEST(DeviceReport, TextValuesAreTakenAsTheyAreAndCutToTheirField) {
    struct Case {
        const char* line;
        const char* firmware; // null: not received
        const char* serialNo;
    };
    const Case cases[] = {
        {"Firmware:V1.00", "V1.00", nullptr},
        {"Firmware: V1.00", " V1.00", nullptr}, // the blank stays
        {"Firmware:", "", nullptr},
        {"xx Firmware:T360KV", "T360KV", nullptr}, // the key may stand anywhere
        {"Firmware:T360KV V1.0.8 2024-11-05 build 77", "T360KV V1.0.8 2024-11-05", nullptr},
        {"[SerialNo]=12345", nullptr, "12345"},
        {"[SerialNo]=TL360K2409001-EXTRA-LONG", nullptr, "TL360K2409001-E"},
        // One line, two keys: each reads the rest of the line after its own key.
        {"Firmware:A [SerialNo]=B", "A [SerialNo]=B", "B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        FormHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        const TDeviceInfo& info = h.form->DeviceInfo;
        EXPECT_EQ(info.FirmwareValid, c.firmware != nullptr);
        EXPECT_EQ(info.SerialNoValid, c.serialNo != nullptr);
        EXPECT_STREQ(info.Firmware, c.firmware ? c.firmware : "");
        EXPECT_STREQ(info.SerialNo, c.serialNo ? c.serialNo : "");
    }
}

TEST(DeviceReport, BaudRatesSelectTheFirstItemContainingAllTheirDigits) {
    struct Case {
        const char* line;
        TControl selector;
        int32_t baud;
        int item;
    };
    const Case cases[] = {
        {"NMEA_2_TX:(9600)", TControl::cbxBaud_RS232, 9600, 4},
        {"NMEA_2_TX:(4800)", TControl::cbxBaud_RS232, 4800, 5}, // not "38400"
        {"NMEA_2_TX:(57600)", TControl::cbxBaud_RS232, 57600, 1},
        {"NMEA_1_TX:(38400)", TControl::cbxBaud_NMEA, 38400, 0},
        {"NMEA_1_TX:(4800)", TControl::cbxBaud_NMEA, 4800, 2},
        {"NMEA_1_TX:(115200)", TControl::cbxBaud_NMEA, 115200, 0}, // no item has it
        {"NMEA_1_TX:(14400)", TControl::cbxBaud_NMEA, 14400, 0},
        {"NMEA_2_TX:(9600 baud)", TControl::cbxBaud_RS232, 9600, 4}, // digits at the start
        {"NMEA_2_TX:()", TControl::cbxBaud_RS232, 0, 0},
        {"NMEA_2_TX:(99999999999)", TControl::cbxBaud_RS232, INT32_MAX, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        FormHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        const TDeviceInfo& info = h.form->DeviceInfo;
        EXPECT_EQ(c.selector == TControl::cbxBaud_RS232 ? info.Rs232Baud : info.NmeaBaud, c.baud);
        EXPECT_EQ(h.view.ItemIndex(c.selector), c.item);
    }
}

TEST(DeviceReport, BaudLineWithoutClosingBracketChangesNothing) {
    FormHarness h;
    h.ClickConnect();
    h.Receive("NMEA_2_TX:(9600)\r\n");
    h.Receive("NMEA_2_TX:(4800\r\n");
    h.Receive("NMEA_2_TX:(4800) \r\n");
    EXPECT_EQ(h.form->DeviceInfo.Rs232Baud, 9600);
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
        FormHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        EXPECT_EQ(h.form->DeviceInfo.GpsOutputOff, !c.on);
        EXPECT_EQ(h.view.checked[TControl::CheckBoxInternalGPSEnable], c.on);
        EXPECT_EQ(h.view.enabled[TControl::LabelGPSNavStatus], c.on);
        EXPECT_EQ(h.view.enabled[TControl::ComboBoxGPSNavStatus], c.on);
    }
}

TEST(DeviceReport, DynamicModelFiveIsAtSeaEverythingElseAltitude) {
    struct Case {
        const char* line;
        int32_t model;
        int item;
    };
    const Case cases[] = {
        {"[GPS_NAV5_dynModel]=5", 5, 1},
        {"[GPS_NAV5_dynModel]=4", 4, 0},
        {"[GPS_NAV5_dynModel]= +5", 5, 1},
        {"[GPS_NAV5_dynModel]=-3", -3, 0},
        {"[GPS_NAV5_dynModel]=x", 0, 0},
        {"[GPS_NAV5_dynModel]=5a", 5, 1},
        {"[GPS_NAV5_dynModel]=99999999999", INT32_MAX, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        FormHarness h;
        h.ClickConnect();
        h.Receive(std::string(c.line) + "\r\n");
        EXPECT_EQ(h.form->DeviceInfo.GpsDynModel, c.model);
        EXPECT_EQ(h.view.ItemIndex(TControl::ComboBoxGPSNavStatus), c.item);
    }
}

TEST(DeviceReport, GpsEnableClickEnablesTheModeExactlyWhenChecked) {
    FormHarness h;
    for (bool checked : {false, true, false}) {
        h.view.checked[TControl::CheckBoxInternalGPSEnable] = checked;
        h.form->CheckBoxInternalGPSEnableClick();
        EXPECT_EQ(h.view.enabled[TControl::LabelGPSNavStatus], checked);
        EXPECT_EQ(h.view.enabled[TControl::ComboBoxGPSNavStatus], checked);
    }
}

TEST(DeviceReport, ReportIsReadWhileConnectingAndConnected) {
    FormHarness h;
    h.ClickConnect(); // Connecting
    h.Receive("[SerialNo]=B2\r\n");
    EXPECT_STREQ(h.form->DeviceInfo.SerialNo, "B2");
    h.Receive("[DEVICE DATA END]\r\n"); // Connected
    h.Receive("[SerialNo]=C3\r\n");
    EXPECT_STREQ(h.form->DeviceInfo.SerialNo, "C3");
}

TEST(DeviceReport, ReadDeviceRequestsTheReportAndOffersTheFileFiveTicksLater) {
    FormHarness h;
    h.Connect();
    h.view.messageBoxAnswer = IDCANCEL;
    int requests = h.ReportRequests();
    h.view.pages[TControl::PageControlConf] = pgRestore;
    h.form->spbDbgTestCmdClick();
    EXPECT_EQ(h.ReportRequests(), requests + 1);
    h.Timer2(4);
    EXPECT_TRUE(h.view.messages.empty());
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgRestore);
    h.Timer2(); // fifth tick; the report never came: the offer is made with what is known
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"Save: Do you want to save report?"});
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
    EXPECT_EQ(h.form->ReportCountdown, 255);
    h.Timer2(20);
    EXPECT_EQ(h.view.messages.size(), 1u) << "the offer is made once";
}

} // namespace
