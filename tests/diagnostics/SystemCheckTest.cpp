// The SYSTEM CHECK page: the AIS reception counters, the rows and icons shown once a
// second, and Refresh, whose one-second pause leaves the receive path running.
#include "ControllerHarness.h"

#include "nmea/Checksum.h"
#include "nmea/SentenceDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Row {
    std::string firmware, serialNo, countA, countB;
    int firmwareIcon, serialNoIcon, receptionIcon;
};

Row Shown(ControllerHarness& h) {
    auto& v = h.view;
    return {v.texts[TControl::lblValFwVer],    v.texts[TControl::lblValProdSN],
            v.texts[TControl::lblValRxCntA],   v.texts[TControl::lblValRxCntB],
            v.images[TControl::ImageChkFwVer], v.images[TControl::ImageChkProdSN],
            v.images[TControl::ImageChkRx]};
}

void ExpectRow(ControllerHarness& h, const Row& expected) {
    Row row = Shown(h);
    EXPECT_EQ(row.firmware, expected.firmware);
    EXPECT_EQ(row.serialNo, expected.serialNo);
    EXPECT_EQ(row.countA, expected.countA);
    EXPECT_EQ(row.countB, expected.countB);
    EXPECT_EQ(row.firmwareIcon, expected.firmwareIcon);
    EXPECT_EQ(row.serialNoIcon, expected.serialNoIcon);
    EXPECT_EQ(row.receptionIcon, expected.receptionIcon);
}

// `count` AIS sentences received on `channel`.
void CountOnChannel(ControllerHarness& h, char channel, int count) {
    DecodedSentence sentence{};
    std::strcpy(sentence.Formatter, "VDM");
    sentence.Encapsulation.Channel = channel;
    for (int i = 0; i < count; ++i)
        h.app->SystemCheck().CountAisSentence(sentence);
}

TEST(SystemCheck, IconsAtStartUpAreCrossesAndTheWarning) {
    ControllerHarness h;
    EXPECT_EQ(h.view.images[TControl::ImageChkFwVer], ciFailed);
    EXPECT_EQ(h.view.images[TControl::ImageChkProdSN], ciFailed);
    EXPECT_EQ(h.view.images[TControl::ImageChkRx], ciNothingYet);
    EXPECT_EQ(h.view.images[TControl::ImageNetworkFirmwareVersion], ciNothingYet);
    EXPECT_EQ(h.view.images[TControl::ImageChkGps], ciFailed);
}

TEST(SystemCheck, SentencesCountOnChannelAOrElseBAndOwnReportsNot) {
    struct Case {
        const char* formatter;
        char channel;
        int32_t a, b;
    };
    const Case cases[] = {
        {"VDM", 'A', 1, 0},        {"VDM", 'B', 0, 1}, {"VDM", '1', 0, 1},
        {"VDM", kEmptyChar, 0, 1}, {"VDO", 'A', 0, 0}, {"VDO", 'B', 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.formatter) + " " + c.channel);
        ControllerHarness h;
        DecodedSentence sentence{};
        std::strcpy(sentence.Formatter, c.formatter);
        sentence.Encapsulation.Channel = c.channel;
        h.app->SystemCheck().CountAisSentence(sentence);
        EXPECT_EQ(h.app->SystemCheck().RxCountA(), c.a);
        EXPECT_EQ(h.app->SystemCheck().RxCountB(), c.b);
    }
}

TEST(SystemCheck, OnlyAcceptedExclamationSentencesCount) {
    ControllerHarness h;
    h.ClickConnect();
    // The same encapsulation sentence with "$" decodes but is no radio message.
    h.Receive("$AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n");
    h.Receive("!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*00\r\n"); // bad checksum
    EXPECT_EQ(h.app->SystemCheck().RxCountA() + h.app->SystemCheck().RxCountB(), 0);
    h.Receive("!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n");
    EXPECT_EQ(h.app->SystemCheck().RxCountB(), 1);
}

// A "!" line of another formatter holds no radio message, though the last fragment's
// fields are still in the decoder's record.
TEST(SystemCheck, OtherExclamationSentencesCountNothing) {
    std::string lines[] = {
        "!GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
        "!AITXT,01,01,91,FREQ 2087 2088",
        "!AIABK,211378120,A,1,0,0",
    };
    for (std::string& line : lines) {
        SCOPED_TRACE(line);
        ASSERT_TRUE(AppendChecksum(line));
        ControllerHarness h;
        h.ClickConnect();
        h.Receive("!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n");
        h.Receive(line);
        h.Receive(line);
        EXPECT_EQ(h.app->SystemCheck().RxCountA(), 0);
        EXPECT_EQ(h.app->SystemCheck().RxCountB(), 1);
    }
}

TEST(SystemCheck, EachTickShowsTheReadValuesCountsAndIcons) {
    ControllerHarness h;
    h.Connect();
    h.SystemCheckTicks();
    ExpectRow(h, {"---------", "---------", "0", "0", ciFailed, ciFailed, ciNothingYet});
    EXPECT_EQ(h.view.texts[TControl::lblValGps], "Lost");
    EXPECT_EQ(h.view.texts[TControl::LabelNetworkFirmwareVersoinData], "N/A");

    h.Receive("Firmware:T360KV V1.0.8\r\n");
    h.Receive("[SerialNo]=TL360K2409001\r\n");
    CountOnChannel(h, 'B', 3);
    h.SystemCheckTicks();
    ExpectRow(h, {"T360KV V1.0.8", "TL360K2409001", "0", "3", ciPassed, ciPassed, ciPassed});
}

// A technician checks receivers one after another: nothing of the first may show as a
// pass for the second, not even when the second stays silent and the handshake is
// completed by hand.
TEST(SystemCheck, ANewConnectionStartsFromNothing) {
    ControllerHarness h;
    h.Connect();
    h.Receive("Firmware:T360KV V1.0.8\r\n");
    h.Receive("[SerialNo]=TL360K2409001\r\n");
    h.Receive("!AIVDM,1,1,,B,100h00PP0@PHFV`Mg5gTH?vNPUIp,0*3B\r\n");
    h.SystemCheckTicks();
    ExpectRow(h, {"T360KV V1.0.8", "TL360K2409001", "0", "1", ciPassed, ciPassed, ciPassed});

    h.ClickConnect(); // closed: the first receiver is unplugged
    h.ClickConnect(); // the next one, silent
    ExpectRow(h, {"---------", "---------", "0", "0", ciFailed, ciFailed, ciNothingYet});
    h.app->Connection().StatusDoubleClicked(); // the handshake completed by hand
    h.SystemCheckTicks();
    ExpectRow(h, {"---------", "---------", "0", "0", ciFailed, ciFailed, ciNothingYet});
}

TEST(SystemCheck, GpsRowFollowsThePositionFix) {
    ControllerHarness h;
    h.Connect();
    h.Receive("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
    h.SystemCheckTicks();
    EXPECT_EQ(h.view.texts[TControl::lblValGps], "Fixed");
    EXPECT_EQ(h.view.images[TControl::ImageChkGps], ciPassed);
    h.Receive("$GPGGA,123520,,,,,0,00,,,M,,M,,*61\r\n");
    h.SystemCheckTicks();
    EXPECT_EQ(h.view.texts[TControl::lblValGps], "Lost");
}

TEST(SystemCheck, RefreshClearsShowsAndRequestsASecondLaterWithoutBlocking) {
    ControllerHarness h;
    h.Connect();
    h.Receive("Firmware:V1\r\n");
    h.Receive("[SerialNo]=S1\r\n");
    CountOnChannel(h, 'A', 5);
    h.view.pages[TControl::PageControlConf] = pgInternalGps;
    int requests = h.ReportRequests();

    h.app->SystemCheck().RefreshClicked();
    EXPECT_FALSE(h.view.enabled[TControl::SpeedButtonClearCheck]);
    ExpectRow(h, {"---------", "---------", "0", "0", ciFailed, ciFailed, ciNothingYet});
    EXPECT_EQ(h.ReportRequests(), requests) << "the request waits for the pause";
    EXPECT_TRUE(h.view.timers[TTimer::RefreshPause]);

    // The pause blocks nothing: a line arriving meanwhile is read at once.
    h.Receive("[SerialNo]=S2\r\n");
    EXPECT_TRUE(h.app->Session().Report().SerialNoValid);

    h.app->SystemCheck().RefreshPauseOver();
    EXPECT_EQ(h.ReportRequests(), requests + 1);
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);
    EXPECT_TRUE(h.view.enabled[TControl::SpeedButtonClearCheck]);
    EXPECT_FALSE(h.view.timers[TTimer::RefreshPause]);
}

TEST(SystemCheck, RefreshAdvancesAPendingRestartRecoveryByOneStep) {
    ControllerHarness h;
    h.Connect();
    h.Receive("$PKRV,R,TXT,SYSTEM RESTART*4B\r\n");
    h.app->SystemCheck().RefreshClicked();
    EXPECT_EQ(h.app->Session().RestartState(), rsWaiting);
    EXPECT_EQ(h.view.progress[TControl::ProgressBar1], 2);
    EXPECT_FALSE(h.comm->IsOpen());
}

} // namespace
