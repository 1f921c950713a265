// Connecting: the state table of the connection, the handshake on the report's end
// marker, its supervision by Timer1, the manual override and the blinking status.
#include "FormHarness.h"

#include "app/PortNames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

namespace {

void ExpectIdle(FormHarness& h) {
    EXPECT_FALSE(h.form->PortOpen);
    EXPECT_FALSE(h.form->ConnectPressed);
    EXPECT_EQ(h.form->HandshakeState, hsIdle);
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Connect");
    EXPECT_EQ(h.view.colors[TControl::LabelConnectionStatus], TFontColor::Black);
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_TRUE(h.view.enabled[TControl::cbxDeviceComEnum]);
    EXPECT_TRUE(h.view.enabled[TControl::ComboBoxDeviceItem]);
}

void ExpectConnecting(FormHarness& h) {
    EXPECT_TRUE(h.form->PortOpen);
    EXPECT_EQ(h.form->HandshakeState, hsWaitReport);
    EXPECT_TRUE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Connecting...");
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Disconnect");
    EXPECT_FALSE(h.view.visible[TControl::PanelView]);
    EXPECT_FALSE(h.view.enabled[TControl::cbxDeviceComEnum]);
    EXPECT_FALSE(h.view.enabled[TControl::ComboBoxBaudRate]);
}

void ExpectConnected(FormHarness& h) {
    EXPECT_TRUE(h.form->PortOpen);
    EXPECT_TRUE(h.form->SessionUp);
    EXPECT_EQ(h.form->HandshakeState, hsDone);
    EXPECT_EQ(h.Status(), "Connected...");
    EXPECT_TRUE(h.view.visible[TControl::PanelView]);
    EXPECT_TRUE(h.view.timers[TTimer::TimerUpdateSysChk]);
    EXPECT_FALSE(h.view.enabled[TControl::cbxDeviceComEnum]);
}

TEST(ConnectionManager, ConnectWaitsForTheReportEndThenShowsThePages) {
    FormHarness h;
    h.ClickConnect();
    ExpectConnecting(h);
    EXPECT_EQ(h.comm->DeviceName(), ComDeviceName(5));
    EXPECT_EQ(h.form->PortNumber, 5);

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
        FormHarness h;
        h.ClickConnect();
        if (connected)
            h.Receive("[DEVICE DATA END]\r\n");
        h.Timer2(); // blinking or not, Disconnect paints the status black
        h.ClickConnect();
        ExpectIdle(h);
        h.Timer1(4);
        EXPECT_EQ(h.ReportRequests(), connected ? 1 : 0) << "no requests after Disconnect";
    }
}

// Every way out of Connecting and Connected that the state table lists, besides the
// restart (RestartRecoveryTest) and closing the window (MainformTest).
TEST(ConnectionManager, EveryWayBackToIdle) {
    struct Case {
        const char* what;
        bool connected;
        std::function<void(FormHarness&)> event;
    };
    const Case cases[] = {
        {"Disconnect while connecting", false, [](FormHarness& h) { h.ClickConnect(); }},
        {"Disconnect while connected", true, [](FormHarness& h) { h.ClickConnect(); }},
        {"no report end within 16 ticks", false, [](FormHarness& h) { h.Timer1(17); }},
        {"port removed while connecting", false,
         [](FormHarness& h) {
             h.ports->names.clear();
             h.ports->changed();
             h.Timer2(4);
         }},
        {"port removed while connected", true,
         [](FormHarness& h) {
             h.ports->names.clear();
             h.ports->changed();
             h.Timer2(4);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormHarness h;
        h.ClickConnect();
        if (c.connected)
            h.Receive("[DEVICE DATA END]\r\n");
        ASSERT_EQ(h.form->SessionUp, c.connected);
        c.event(h);
        ExpectIdle(h);
    }
}

TEST(ConnectionManager, SupervisionRequestsOnOddTicksAndGivesUpAfterSixteen) {
    FormHarness h;
    h.ClickConnect();
    // Ticks 0..15: a request on 1, 3, ..., 15, none on the even ones.
    for (int tick = 0; tick < 16; ++tick) {
        int before = h.ReportRequests();
        h.Timer1();
        EXPECT_EQ(h.ReportRequests() - before, tick % 2) << "tick " << tick;
    }
    ExpectConnecting(h);
    h.Timer1(); // tick 16
    ExpectIdle(h);
    EXPECT_EQ(h.view.messages, std::vector<std::string>{"Please select correct device."});
    EXPECT_EQ(h.view.droppedDown, std::vector<TControl>{TControl::cbxDeviceComEnum});
}

TEST(ConnectionManager, OverrideCompletesOnlyWhileConnecting) {
    FormHarness h;
    h.form->LabelConnectionStatusDblClick(); // Idle: nothing
    ExpectIdle(h);
    h.ClickConnect();
    h.form->LabelConnectionStatusDblClick();
    ExpectConnected(h);
    EXPECT_EQ(h.ReportRequests(), 0);        // "CHECK PASS" holds no end marker
    h.form->LabelConnectionStatusDblClick(); // Connected: nothing
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
        FormHarness h({c.entry});
        if (c.busy)
            h.ports->busy.insert(ComDeviceName(ComNumberOf(c.entry)));
        h.ClickConnect();
        EXPECT_EQ(h.view.messages, std::vector<std::string>{c.message}) << c.what;
        ExpectIdle(h);
        EXPECT_FALSE(h.view.checked[TControl::OpenPort]) << c.what;
    }
}

TEST(ConnectionManager, PortThatFailsToOpenReturnsToIdleAtOnce) {
    FormHarness h;
    h.comm->failOpen = true;
    h.ClickConnect();
    ExpectIdle(h);
    EXPECT_EQ(h.view.messages,
              std::vector<std::string>{"WARNING: The select device can not connectable."});
    h.Timer1(20);
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
        FormHarness h;
        h.ports->busy.insert(ComDeviceName(5));
        h.ports->busyReason = permission;
        h.ClickConnect();
        EXPECT_EQ(h.view.messages,
                  std::vector<std::string>{"WARNING: The select device can not connectable.\n" +
                                           permission});
        ExpectIdle(h);
    }
    {
        FormHarness h;
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
    FormHarness h;
    h.ClickConnect();
    std::vector<TFontColor> colors;
    for (int i = 0; i < 4; ++i) {
        h.Timer2();
        colors.push_back(h.view.colors[TControl::LabelConnectionStatus]);
    }
    EXPECT_EQ(colors, (std::vector<TFontColor>{TFontColor::Red, TFontColor::Black, TFontColor::Red,
                                               TFontColor::Black}));
    h.Receive("[DEVICE DATA END]\r\n");
    h.Timer2(3);
    EXPECT_EQ(h.view.colors[TControl::LabelConnectionStatus], TFontColor::Black);
}

TEST(ConnectionManager, InterfaceAndPcRateSelectTheLineRate) {
    FormHarness h;
    h.view.lists[TControl::ComboBoxBaudRate] = {"115200", "57600", "38400",
                                                "19200",  "9600",  "4800"};
    h.view.itemIndex[TControl::ComboBoxBaudRate] = 1;
    h.view.itemIndex[TControl::ComboBoxDeviceItem] = 1; // RS-232/NMEA-0183
    h.form->ComboBoxDeviceItemChange();
    EXPECT_EQ(h.comm->BaudRate(), br57600);
    EXPECT_TRUE(h.view.visible[TControl::ComboBoxBaudRate]);
    h.view.itemIndex[TControl::ComboBoxDeviceItem] = 0; // USB
    h.form->ComboBoxDeviceItemChange();
    EXPECT_EQ(h.comm->BaudRate(), br128000);
    EXPECT_FALSE(h.view.visible[TControl::LabelBaudRate]);
}

TEST(ConnectionManager, LostDeviceEndsTheSessionWithoutAMessage) {
    FormHarness h;
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
