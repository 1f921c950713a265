// Programming and restoring: Program Device sends the settings of the page in front as
// set sentences, byte for byte; restore asks twice and counts down.
#include "ControllerHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const std::string kApplied = "Settings applied.";

struct PageSettings {
    int page = pgBaudRate;
    int rs232 = -1; // item of cbxBaud_RS232
    int nmea = -1;  // item of cbxBaud_NMEA
    bool gpsOn = false;
    int gpsMode = -1; // item of ComboBoxGPSNavStatus
    bool restore = false;
};

void Apply(ControllerHarness& h, const PageSettings& s) {
    h.view.pages[TControl::PageControlConf] = s.page;
    h.view.itemIndex[TControl::cbxBaud_RS232] = s.rs232;
    h.view.itemIndex[TControl::cbxBaud_NMEA] = s.nmea;
    h.view.checked[TControl::CheckBoxInternalGPSEnable] = s.gpsOn;
    h.view.itemIndex[TControl::ComboBoxGPSNavStatus] = s.gpsMode;
    h.view.checked[TControl::CheckBoxNetworkRestore] = s.restore;
}

TEST(Programming, ProgramDeviceSendsThePageInFrontByteForByte) {
    struct Case {
        const char* what;
        PageSettings settings;
        std::string sent;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"RS-232 38400, NMEA 38400",
         {pgBaudRate, 2, 0},
         "$PDBG,38,2,40,2,42,2,,*2A\r\n",
         {kApplied}},
        {"RS-232 9600, NMEA 4800", {pgBaudRate, 4, 2}, "$PDBG,38,5,40,6,42,6,,*2D\r\n", {kApplied}},
        {"RS-232 115200, NMEA 9600",
         {pgBaudRate, 0, 1},
         "$PDBG,38,0,40,5,42,5,,*28\r\n",
         {kApplied}},
        {"GPS on, at sea",
         {pgInternalGps, -1, -1, true, 1},
         "$PDBG,50,0,,,,,,*24\r\n$PDBG,703,5,,,,,,*10\r\n",
         {kApplied}},
        {"GPS off, at sea",
         {pgInternalGps, -1, -1, false, 1},
         "$PDBG,50,1,,,,,,*25\r\n$PDBG,703,5,,,,,,*10\r\n",
         {kApplied}},
        {"GPS on, altitude",
         {pgInternalGps, -1, -1, true, 0},
         "$PDBG,50,0,,,,,,*24\r\n$PDBG,703,4,,,,,,*11\r\n",
         {kApplied}},
        {"NMEA rate never selected", {pgBaudRate, 2, -1}, "", {}},
        {"RS-232 rate not selected", {pgBaudRate, -1, 0}, "", {}},
        {"GPS mode not selected", {pgInternalGps, 2, 0, true, -1}, "", {}},
        {"NETWORK page", {pgNetwork, 2, 0, true, 1, true}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerHarness h;
        h.Connect();
        h.TakeWritten();
        Apply(h, c.settings);
        h.app->Configuration().ProgramDeviceClicked();
        EXPECT_EQ(h.TakeWritten(), c.sent);
        EXPECT_EQ(h.view.messages, c.messages);
    }
}

TEST(Programming, EachPagesHiddenConfigButtonProgramsThatPage) {
    struct Case {
        const char* what;
        std::function<void(TMainController&)> click;
        std::string sent;
    };
    const Case cases[] = {
        {"spbBaudRate", [](TMainController& f) { f.Configuration().ProgramBaudRatesClicked(); },
         "$PDBG,38,2,40,2,42,2,,*2A\r\n"},
        {"spbInternalGPS",
         [](TMainController& f) { f.Configuration().ProgramInternalGpsClicked(); },
         "$PDBG,50,0,,,,,,*24\r\n$PDBG,703,5,,,,,,*10\r\n"},
        {"spbRestore", [](TMainController& f) { f.Configuration().RestoreClicked(); },
         "$PKRV,C,DBG,100,150,,,,,,*18\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerHarness h;
        h.Connect();
        h.TakeWritten();
        // Whatever page is in front: the button belongs to its own page.
        Apply(h, {pgNetwork, 2, 0, true, 1, true});
        h.view.messageBoxAnswer = TMessageAnswer::Yes;
        c.click(*h.app);
        EXPECT_EQ(h.TakeWritten(), c.sent);
    }
}

TEST(Programming, WithoutAConnectionEachSentenceIsRefused) {
    ControllerHarness h;
    Apply(h, {pgInternalGps, -1, -1, true, 1});
    h.app->Configuration().ProgramDeviceClicked();
    const std::string refused = "This function requires a connection. Please connect first.";
    EXPECT_EQ(h.view.messages, (std::vector<std::string>{refused, refused}));
    EXPECT_EQ(h.TakeWritten(), "");
}

TEST(Programming, RestoreAsksTwiceSendsAndCountsDownFifteenSeconds) {
    ControllerHarness h;
    h.Connect();
    h.TakeWritten();
    Apply(h, {pgRestore, -1, -1, false, -1, true});
    h.view.messageBoxAnswer = TMessageAnswer::Yes;
    h.app->Configuration().ProgramDeviceClicked();
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{"WARNING: Are you sure to restore settings?"});
    EXPECT_EQ(h.TakeWritten(), "$PKRV,C,DBG,100,150,,,,,,*18\r\n");
    EXPECT_EQ(h.view.modalShows, std::vector<TWindow>{TWindow::Form2});
    EXPECT_EQ(h.view.texts[TControl::LabelTimerRemain], "Time remaining: \n15 seconds");
    EXPECT_TRUE(h.view.timers[TTimer::CountdownTick]);
}

TEST(Programming, RestoreCancelPathsSendNothing) {
    struct Case {
        const char* what;
        bool checked;
        TMessageAnswer answer;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"no setting chosen",
         false,
         TMessageAnswer::Yes,
         {"ERROR: You haven't selected any settings. Are you sure you want to do nothing?"}},
        {"No to the question",
         true,
         TMessageAnswer::No,
         {"WARNING: Are you sure to restore settings?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerHarness h;
        h.Connect();
        h.TakeWritten();
        Apply(h, {pgRestore, -1, -1, false, -1, c.checked});
        h.view.messageBoxAnswer = c.answer;
        h.app->Configuration().ProgramDeviceClicked();
        EXPECT_EQ(h.view.messages, c.messages);
        EXPECT_EQ(h.TakeWritten(), "");
        EXPECT_TRUE(h.view.modalShows.empty());
    }
}

TEST(Programming, ConfirmationFollowsTheWrite) {
    ControllerHarness h;
    h.Connect();
    h.TakeWritten();
    h.view.SetItemIndex(TControl::cbxBaud_NMEA, 0);
    h.app->Configuration().ProgramBaudRatesClicked();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,38,2,40,2,42,2,,*2A\r\n");
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"Settings applied."});
}

// "Settings applied." after a write that failed would tell the technician that the
// receiver was programmed when nothing reached it.
TEST(Programming, AFailedWriteIsReportedAndNotConfirmed) {
    ControllerHarness h;
    h.Connect();
    h.line->writeFails = true;
    h.view.SetItemIndex(TControl::cbxBaud_NMEA, 0);
    h.app->Configuration().ProgramBaudRatesClicked();
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"error: Send message error"});
    EXPECT_EQ(h.view.messageIcons.back(), TMessageIcon::Error);
}

// Of the INTERNAL GPS page's two sentences, a first that did not leave is not confirmed
// by a second that did.
TEST(Programming, APageIsConfirmedOnlyWhenAllItsSentencesLeft) {
    ControllerHarness h;
    h.Connect();
    h.TakeWritten();
    h.line->failNextWrites = 1;
    h.view.SetItemIndex(TControl::ComboBoxGPSNavStatus, 1);
    h.app->Configuration().ProgramInternalGpsClicked();
    EXPECT_EQ(h.TakeWritten(), "$PDBG,703,5,,,,,,*10\r\n");
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"error: Send message error"});
}

} // namespace
