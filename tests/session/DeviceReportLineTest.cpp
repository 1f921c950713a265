// One line of the device report read into DeviceInfo: the keys, where they may stand,
// the values' rules, and what the line says it set.
#include "session/DeviceReportLine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A report line as the receive path hands it over, with its CR LF.
unsigned Read(const std::string& line, TDeviceInfo& info) {
    return ReadReportLine((line + "\r\n").c_str(), info);
}

TEST(ReportLine, TextValuesAreTakenAsTheyAreAndCutToTheirField) {
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
        TDeviceInfo info{};
        unsigned items = Read(c.line, info);
        EXPECT_EQ(info.FirmwareValid, c.firmware != nullptr);
        EXPECT_EQ(info.SerialNoValid, c.serialNo != nullptr);
        EXPECT_EQ((items & riFirmware) != 0, c.firmware != nullptr);
        EXPECT_EQ((items & riSerialNo) != 0, c.serialNo != nullptr);
        EXPECT_STREQ(info.Firmware, c.firmware ? c.firmware : "");
        EXPECT_STREQ(info.SerialNo, c.serialNo ? c.serialNo : "");
    }
}

TEST(ReportLine, BaudRatesAreTheDigitsBeforeTheClosingBracketAtTheEnd) {
    struct Case {
        const char* line;
        unsigned item; // 0: nothing read
        int32_t baud;
    };
    const Case cases[] = {
        {"NMEA_2_TX:(9600)", riRs232Baud, 9600},
        {"NMEA_1_TX:(38400)", riNmeaBaud, 38400},
        {"NMEA_2_TX:(9600 baud)", riRs232Baud, 9600}, // digits at the start
        {"NMEA_2_TX:()", riRs232Baud, 0},
        {"NMEA_2_TX:(99999999999)", riRs232Baud, INT32_MAX},
        {"NMEA_2_TX:(4800", 0, -1},   // no closing bracket
        {"NMEA_2_TX:(4800) ", 0, -1}, // not at the end of the line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TDeviceInfo info{};
        info.Rs232Baud = info.NmeaBaud = -1;
        EXPECT_EQ(Read(c.line, info), c.item);
        EXPECT_EQ(c.item == riNmeaBaud ? info.NmeaBaud : info.Rs232Baud, c.baud);
    }
}

TEST(ReportLine, GpsOutputIsOnOnlyWhenTheRestHoldsOn) {
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
        TDeviceInfo info{};
        EXPECT_EQ(Read(c.line, info), riGpsOutput);
        EXPECT_EQ(info.GpsOutputOff, !c.on);
    }
}

TEST(ReportLine, DynamicModelIsReadAsACNumber) {
    struct Case {
        const char* line;
        int32_t model;
    };
    const Case cases[] = {
        {"[GPS_NAV5_dynModel]=5", 5},
        {"[GPS_NAV5_dynModel]=4", 4},
        {"[GPS_NAV5_dynModel]= +5", 5},
        {"[GPS_NAV5_dynModel]=-3", -3},
        {"[GPS_NAV5_dynModel]=x", 0},
        {"[GPS_NAV5_dynModel]=5a", 5},
        {"[GPS_NAV5_dynModel]=99999999999", INT32_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TDeviceInfo info{};
        EXPECT_EQ(Read(c.line, info), riGpsDynModel);
        EXPECT_EQ(info.GpsDynModel, c.model);
    }
}

TEST(ReportLine, TheRestartAnnouncementAndLinesWithoutAKey) {
    TDeviceInfo info{};
    EXPECT_EQ(Read("$PKRV,R,TXT,SYSTEM RESTART*4B", info), riRestartAnnounced);
    EXPECT_EQ(Read("$GPGGA,,,,,,0,00,,,M,,M,,*66", info), 0u);
    EXPECT_EQ(Read("firmware:V1", info), 0u); // keys are case-sensitive
    EXPECT_FALSE(info.FirmwareValid);
}

} // namespace
