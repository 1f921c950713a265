// Connecting: the state table of the connection, the handshake on the report's end
// marker, its supervision by the handshake tick, the manual override and the blinking status.
#include "ControllerHarness.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

namespace {

void ExpectIdle(ControllerHarness& h) {
    EXPECT_FALSE(h.app->Session().IsOpen());
    EXPECT_FALSE(h.app->Connection().ConnectPressed());
    EXPECT_EQ(h.app->Session().State(), TSessionState::Closed);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Connect");
    EXPECT_EQ(h.view.colors[TControl::LabelConnectionStatus], TFontColor::Black);
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_TRUE(h.view.enabled[TControl::cbxDeviceComEnum]);
    EXPECT_TRUE(h.view.enabled[TControl::ComboBoxDeviceItem]);
}

void ExpectConnecting(ControllerHarness& h) {
    EXPECT_TRUE(h.app->Session().IsOpen());
    EXPECT_EQ(h.app->Session().State(), TSessionState::Connecting);
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Connecting...");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Disconnect");
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_FALSE(h.view.enabled[TControl::cbxDeviceComEnum]);
    EXPECT_FALSE(h.view.enabled[TControl::ComboBoxBaudRate]);
}

void ExpectConnected(ControllerHarness& h) {
    EXPECT_TRUE(h.app->Session().IsOpen());
    EXPECT_TRUE(h.app->Session().IsConnected());
    EXPECT_EQ(h.app->Session().State(), TSessionState::Connected);
    EXPECT_EQ(h.Status(), "Connected...");
    EXPECT_TRUE(h.view.visible[TControl::PanelView]);
    EXPECT_TRUE(h.view.timers[TTimer::SystemCheckTick]);
    EXPECT_FALSE(h.view.enabled[TControl::cbxDeviceComEnum]);
}

TEST(ConnectionManager, ConnectWaitsForTheReportEndThenShowsThePages) {
    ControllerHarness h;
    h.ClickConnect();
    ExpectConnecting(h);
    EXPECT_EQ(h.comm->DeviceName(), ComDeviceName(5));
    EXPECT_EQ(h.app->Connection().PortNumber(), 5);

    h.Receive("Firmware:T360KV V1.0.8\r\n");
    ExpectConnecting(h);
    h.Receive("[DEVICE DATA END]\r\n");
    ExpectConnected(h);
    EXPECT_EQ(h.ReportRequests(), 1); // the report is asked for once more
    EXPECT_EQ(h.view.pages[TControl::PageControlConf], pgBaudRate);

    h.Receive("[DEVICE DATA END]\r\n"); // after the handshake: nothing more here
    EXPECT_EQ(h.ReportRequests(), 1);
}

TEST(ConnectionManager, DisconnectFromEveryOpenStateReturnsToIdle) {
    for (bool connected : {false, true}) {
        ControllerHarness h;
        h.ClickConnect();
        if (connected)
            h.Receive("[DEVICE DATA END]\r\n");
        h.HalfSecondTicks(); // blinking or not, Disconnect paints the status black
        h.ClickConnect();
        ExpectIdle(h);
        h.HandshakeTicks(4);
        EXPECT_EQ(h.ReportRequests(), connected ? 1 : 0) << "no requests after Disconnect";
    }
}

// Every way out of Connecting and Connected that the state table lists, besides the
// restart (RestartRecoveryTest) and closing the window (MainControllerTest).
TEST(ConnectionManager, EveryWayBackToIdle) {
    struct Case {
        const char* what;
        bool connected;
        std::function<void(ControllerHarness&)> event;
    };
    const Case cases[] = {
        {"Disconnect while connecting", false, [](ControllerHarness& h) { h.ClickConnect(); }},
        {"Disconnect while connected", true, [](ControllerHarness& h) { h.ClickConnect(); }},
        {"no report end within 16 ticks", false,
         [](ControllerHarness& h) { h.HandshakeTicks(17); }},
        {"port removed while connecting", false,
         [](ControllerHarness& h) {
             h.ports->names.clear();
             h.ports->changed();
             h.HalfSecondTicks(4);
         }},
        {"port removed while connected", true,
         [](ControllerHarness& h) {
             h.ports->names.clear();
             h.ports->changed();
             h.HalfSecondTicks(4);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControllerHarness h;
        h.ClickConnect();
        if (c.connected)
            h.Receive("[DEVICE DATA END]\r\n");
        ASSERT_EQ(h.app->Session().IsConnected(), c.connected);
        c.event(h);
        ExpectIdle(h);
    }
}

TEST(ConnectionManager, SupervisionRequestsOnOddTicksAndGivesUpAfterSixteen) {
    ControllerHarness h;
    h.ClickConnect();
    // Ticks 0..15: a request on 1, 3, ..., 15, none on the even ones.
    for (int tick = 0; tick < 16; ++tick) {
        int before = h.ReportRequests();
        h.HandshakeTicks();
        EXPECT_EQ(h.ReportRequests() - before, tick % 2) << "tick " << tick;
    }
    ExpectConnecting(h);
    h.HandshakeTicks(); // tick 16
    ExpectIdle(h);
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"Please select correct device."});
    EXPECT_EQ(h.view.droppedDown, std::vector<TControl>{TControl::cbxDeviceComEnum});
}

TEST(ConnectionManager, OverrideCompletesOnlyWhileConnecting) {
    ControllerHarness h;
    h.app->Connection().StatusDoubleClicked(); // Idle: nothing
    ExpectIdle(h);
    h.ClickConnect();
    h.app->Connection().StatusDoubleClicked();
    ExpectConnected(h);
    EXPECT_EQ(h.ReportRequests(), 0);          // "CHECK PASS" holds no end marker
    h.app->Connection().StatusDoubleClicked(); // Connected: nothing
    ExpectConnected(h);
}

TEST(ConnectionManager, RefusedEntriesLeaveTheWindowIdle) {
    struct Case {
        const char* what;
        std::string entry;
        bool busy;
        std::string message;
    };
    const Case cases[] = {
        {"busy port", "USB Serial Port (COM5)", true,
         "WARNING: The select device can not connectable.\n"
         "Busy: the device is held by another program."},
        {"number out of range", "USB Serial Port (COM300)", false,
         "WARNING: Please check connection port is correct!"},
    };
    for (const Case& c : cases) {
        ControllerHarness h({c.entry});
        if (c.busy)
            h.ports->busy.insert(ComDeviceName(ComNumberOf(c.entry)));
        h.ClickConnect();
        EXPECT_EQ(h.view.messages, std::vector<std::string>{c.message}) << c.what;
        ExpectIdle(h);
        EXPECT_FALSE(h.view.checked[TControl::OpenPort]) << c.what;
    }
}

TEST(ConnectionManager, PortThatFailsToOpenReturnsToIdleAtOnce) {
    ControllerHarness h;
    h.comm->failOpen = true;
    h.ClickConnect();
    ExpectIdle(h);
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{"WARNING: The select device can not connectable."});
    h.HandshakeTicks(20);
    EXPECT_EQ(h.view.messages.size(), 1u); // no late give-up message
}

// The component's reason goes below the window's message, from the test-open of the
// selected entry and from the open itself.
TEST(ConnectionManager, RefusalSaysWhyThePortCannotBeOpened) {
    const std::string permission = "Permission denied: this user may not open /dev/ttyUSB0. "
                                   "Join the dialout group (sudo usermod -aG dialout $USER), "
                                   "then log out and in again.";
    const std::string vanished = "No such device: /dev/ttyUSB0.";
    {
        ControllerHarness h;
        h.ports->busy.insert(ComDeviceName(5));
        h.ports->busyReason = permission;
        h.ClickConnect();
        EXPECT_EQ(h.view.messages,
                  std::vector<std::string>{"WARNING: The select device can not connectable.\n" +
                                           permission});
        ExpectIdle(h);
    }
    {
        ControllerHarness h;
        h.comm->failOpen = true;
        h.comm->failure = {ENOENT, vanished};
        h.ClickConnect();
        EXPECT_EQ(h.view.messages,
                  std::vector<std::string>{"WARNING: The select device can not connectable.\n" +
                                           vanished});
        ExpectIdle(h);
    }
}

TEST(ConnectionManager, StatusBlinksUntilTheReportEnds) {
    ControllerHarness h;
    h.ClickConnect();
    std::vector<TFontColor> colors;
    for (int i = 0; i < 4; ++i) {
        h.HalfSecondTicks();
        colors.push_back(h.view.colors[TControl::LabelConnectionStatus]);
    }
    EXPECT_EQ(colors, (std::vector<TFontColor>{TFontColor::Red, TFontColor::Black, TFontColor::Red,
                                               TFontColor::Black}));
    h.Receive("[DEVICE DATA END]\r\n");
    h.HalfSecondTicks(3);
    EXPECT_EQ(h.view.colors[TControl::LabelConnectionStatus], TFontColor::Black);
}

TEST(ConnectionManager, InterfaceAndPcRateSelectTheLineRate) {
    ControllerHarness h;
    h.view.lists[TControl::ComboBoxBaudRate] = {"115200", "57600", "38400",
                                                "19200",  "9600",  "4800"};
    h.view.itemIndex[TControl::ComboBoxBaudRate] = 1;
    h.view.itemIndex[TControl::ComboBoxDeviceItem] = 1; // RS-232/NMEA-0183
    h.app->Connection().InterfaceChosen();
    EXPECT_EQ(h.comm->BaudRate(), br57600);
    EXPECT_TRUE(h.view.visible[TControl::ComboBoxBaudRate]);
    h.view.itemIndex[TControl::ComboBoxDeviceItem] = 0; // USB
    h.app->Connection().InterfaceChosen();
    EXPECT_EQ(h.comm->BaudRate(), br128000);
    EXPECT_FALSE(h.view.visible[TControl::LabelBaudRate]);
}

TEST(ConnectionManager, LostDeviceEndsTheSessionWithoutAMessage) {
    ControllerHarness h;
    h.ClickConnect();
    h.Receive("[DEVICE DATA END]\r\n");
    std::atomic<bool> lost{false};
    h.comm->OnDeviceLost = [&, previous = h.comm->OnDeviceLost](TThreadComm* sender) {
        previous(sender);
        lost = true;
    };
    h.line->LoseDevice();
    for (int i = 0; i < 200 && !lost; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(lost);
    ExpectIdle(h);
    EXPECT_TRUE(h.view.messages.empty());
}

} // namespace
