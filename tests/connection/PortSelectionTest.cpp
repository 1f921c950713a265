// The port selector: which ports are listed, their refresh after a device change, and
// the device behind the selected entry.
#include "ControllerHarness.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>

namespace {

TEST(PortSelection, SelectorListsComPortsSortedAndSelectsTheFirst) {
    ControllerHarness h(
        {"USB Serial Port (COM5)", "ECP Printer Port (LPT1)", "Communications Port (COM1)"});
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum],
              (std::vector<std::string>{"Communications Port (COM1)", "USB Serial Port (COM5)"}));
    EXPECT_EQ(h.view.itemIndex[TControl::cbxDeviceComEnum], 0);
}

TEST(PortSelection, NoPortsLeavesNothingSelected) {
    ControllerHarness h(std::vector<std::string>{});
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum],
              std::vector<std::string>{"- NOT SELECTED -"});
    EXPECT_EQ(h.view.itemIndex[TControl::cbxDeviceComEnum], -1);
    h.ClickConnect();
    EXPECT_EQ(h.view.messages.back(), "WARNING: The select device can not connectable.");
    EXPECT_FALSE(h.app->Session().IsOpen());
    EXPECT_FALSE(h.app->Connection().ConnectPressed());
}

TEST(PortSelection, FailedListKeepsTheOldOne) {
    ControllerHarness h({"USB Serial Port (COM5)"});
    h.ports->listFails = true;
    h.app->Connection().EnumeratePorts();
    EXPECT_EQ(h.app->Connection().PortNames(), std::vector<std::string>{"USB Serial Port (COM5)"});
}

TEST(PortSelection, PortNumberIsReadAfterTheParenthesis) {
    struct Case {
        std::string entry;
        int number;
    };
    const Case cases[] = {
        {"Communications Port (COM1)", 1},
        {"COMPAQ Modem (COM7)", 7}, // a name with "COM" before "(COM"
        {"USB Serial Port (COM255)", 255},
        {"USB Serial Port (COM300)", -1},
        {"USB Serial Port (COM)", -1},
    };
    for (const Case& c : cases) {
        ControllerHarness h({c.entry});
        EXPECT_EQ(h.app->Connection().SelectPortDevice(), c.number) << c.entry;
        std::string expected = c.number > 0 ? ComDeviceName(c.number) : "\\\\.\\COM1";
        EXPECT_EQ(h.comm->DeviceName(), expected) << c.entry;
    }
}

TEST(PortSelection, BusyPortIsNotUsable) {
    ControllerHarness h({"USB Serial Port (COM5)"});
    EXPECT_TRUE(h.app->Connection().PortUsable());
    h.ports->busy.insert(ComDeviceName(5));
    EXPECT_FALSE(h.app->Connection().PortUsable());
}

// The window's --port and t360kv's --port decide alike which entry a text selects.
TEST(PortSelection, CommandLineTextSelectsAPortEntry) {
    const std::vector<std::string> entries = {"- NOT SELECTED -", "Communications Port (COM1)",
                                              "FTDI FT232R USB UART (COM10)",
                                              "T360KV Simulator ttySIM0 (COM200)"};
    auto devicePath = [&](int n) {
        return n == 10 ? std::string("/dev/ttyUSB0") : "/dev/ttyS" + std::to_string(n - 1);
    };
    struct Case {
        std::string text;
        int entry;
    };
    const Case cases[] = {
        {"ttySIM0", 3},      // text of the entry
        {"ftdi", 2},         // in any case
        {"COM1", 1},         // the port's name, not the first entry holding "COM1"
        {"com10", 2},        //
        {"/dev/ttyUSB0", 2}, // the device path
        {"COM7", -1},
        {"NOT SELECTED", -1}, // no port
        {"", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortEntrySelectedBy(c.text, entries, devicePath), c.entry) << c.text;
}

TEST(PortSelection, ConnectingByTheTextOfAnEntryOpensItsPort) {
    ControllerHarness h({"Communications Port (COM1)", "T360KV Simulator ttySIM0 (COM200)"});
    EXPECT_TRUE(h.app->Connection().ConnectDevice("ttySIM0", br128000));
    EXPECT_EQ(h.comm->DeviceName(), ComDeviceName(200));
    EXPECT_EQ(h.app->Connection().PortNumber(), 200);
}

TEST(PortSelection, RefreshComesOnTheFourthTickAfterTheFirstNotice) {
    ControllerHarness h({"USB Serial Port (COM5)"});
    h.ports->names.push_back("Communications Port (COM1)");
    h.ports->changed();
    h.HalfSecondTicks(2);
    h.ports->changed(); // a second notice does not delay the refresh
    h.HalfSecondTicks();
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum].size(), 1u);
    h.HalfSecondTicks();
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum],
              (std::vector<std::string>{"Communications Port (COM1)", "USB Serial Port (COM5)"}));
    EXPECT_FALSE(h.app->Connection().DeviceChangePending());
}

TEST(PortSelection, RemovedPortEndsTheSessionWithoutAMessage) {
    ControllerHarness h({"USB Serial Port (COM5)"});
    h.ClickConnect();
    h.Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(h.app->Session().IsConnected());
    ASSERT_EQ(h.app->Connection().PortNumber(), 5);

    h.ports->names = {"Communications Port (COM1)"};
    h.ports->changed();
    h.HalfSecondTicks(4);
    EXPECT_FALSE(h.app->Session().IsOpen());
    EXPECT_FALSE(h.comm->IsOpen());
    EXPECT_EQ(h.Status(), "Click to Connect");
    EXPECT_TRUE(h.view.messages.empty());
    // The selector is not refilled during a session, and stays as it was.
    EXPECT_EQ(h.view.lists[TControl::cbxDeviceComEnum],
              std::vector<std::string>{"USB Serial Port (COM5)"});
}

TEST(PortSelection, PortThatStaysKeepsTheSession) {
    ControllerHarness h({"USB Serial Port (COM5)"});
    h.ClickConnect();
    h.ports->names.push_back("Communications Port (COM1)");
    h.ports->changed();
    h.HalfSecondTicks(4);
    EXPECT_TRUE(h.app->Session().IsOpen());
    EXPECT_TRUE(h.comm->IsOpen());
}

} // namespace
