// Port discovery on a made-up /dev and /sys: which ports are listed, under which names
// and paths, and how a COM device name is resolved.
#include "FakePortTree.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ExpectedPort {
    std::string FriendlyName;
    std::string Path; // below the tree's root
};

struct ListingCase {
    const char* Name;
    std::function<void(FakePortTree&)> Lay;
    std::vector<ExpectedPort> Expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ListingCase& c, std::ostream* out) {
    *out << c.Name;
}

const std::string kLongProduct(150, 'x');

const ListingCase kListingCases[] = {
    {"UsbConverterNamedFromItsStrings",
     [](FakePortTree& t) { t.PlugUsb("ttyUSB0", "1-2", "FTDI", "FT232R USB UART"); },
     {{"FTDI FT232R USB UART (COM10)", "dev/ttyUSB0"}}},
    {"ProductThatRepeatsTheMakerIsNotDoubled",
     [](FakePortTree& t) { t.PlugUsb("ttyUSB0", "1-2", "Prolific", "Prolific USB-Serial"); },
     {{"Prolific USB-Serial (COM10)", "dev/ttyUSB0"}}},
    {"MakerWithoutProduct",
     [](FakePortTree& t) { t.PlugUsb("ttyUSB0", "1-2", "Silicon Labs", ""); },
     {{"Silicon Labs USB Serial Port (COM10)", "dev/ttyUSB0"}}},
    {"UsbConverterWithoutStrings",
     [](FakePortTree& t) { t.PlugUsb("ttyUSB0", "1-2", "", ""); },
     {{"USB Serial Port (COM10)", "dev/ttyUSB0"}}},
    {"CdcAcmDeviceNamedFromItsStrings",
     [](FakePortTree& t) { t.PlugUsb("ttyACM0", "1-3", "u-blox AG", "u-blox GNSS receiver"); },
     {{"u-blox AG u-blox GNSS receiver (COM10)", "dev/ttyACM0"}}},
    {"CdcAcmDeviceWithoutStrings",
     [](FakePortTree& t) { t.PlugUsb("ttyACM0", "1-3", "", ""); },
     {{"USB Communications Port (COM10)", "dev/ttyACM0"}}},
    {"OnBoardPortWithAUartIsComNPlusOne",
     [](FakePortTree& t) { t.AddOnBoard("ttyS1", 4); },
     {{"Communications Port (COM2)", "dev/ttyS1"}}},
    {"OnBoardPlaceholderIsLeftOut", [](FakePortTree& t) { t.AddOnBoard("ttyS2", 0); }, {}},
    {"OnBoardPortWithoutADeviceIsLeftOut",
     [](FakePortTree& t) { t.AddOnBoard("ttyS3", 4, false); },
     {}},
    {"OnBoardNumbersStopAtCom255",
     [](FakePortTree& t) {
         t.AddOnBoard("ttyS254", 4);
         t.AddOnBoard("ttyS255", 4);
     },
     {{"Communications Port (COM255)", "dev/ttyS254"}}},
    {"KernelConsolePortIsLeftOut",
     [](FakePortTree& t) {
         t.AddOnBoard("ttyS0", 4);
         t.AddOnBoard("ttyS1", 4);
         t.PlugUsb("ttyUSB0", "1-2", "", "");
         t.SetConsoles("tty0 ttyS0 ttyUSB0");
     },
     {{"Communications Port (COM2)", "dev/ttyS1"}}},
    {"TerminalsAndOtherNodesAreNoPorts",
     [](FakePortTree& t) {
         for (const char* node : {"tty", "tty0", "tty12", "ttyprintk", "console", "ttyUSBx"})
             t.AddVirtualNode(node);
     },
     {}},
    {"NodeReachedOnlyThroughById",
     [](FakePortTree& t) {
         t.PlugUsb("ttyXRUSB0", "1-4", "Exar", "XR21V1410");
         t.AddByIdLink("usb-Exar_XR21V1410_0001-if00", "ttyXRUSB0");
     },
     {{"Exar XR21V1410 (COM10)", "dev/ttyXRUSB0"}}},
    {"ByIdLinkDoesNotListItsPortTwice",
     [](FakePortTree& t) {
         t.PlugUsb("ttyUSB0", "1-2", "FTDI", "FT232R USB UART");
         t.AddByIdLink("usb-FTDI_FT232R_USB_UART_A1-if00-port0", "ttyUSB0");
     },
     {{"FTDI FT232R USB UART (COM10)", "dev/ttyUSB0"}}},
    {"SimulatorLinkWithItsTerminal",
     [](FakePortTree& t) { t.AddSimulatorLink("ttySIM0"); },
     {{"T360KV Simulator ttySIM0 (COM200)", "sim/ttySIM0"}}},
    {"DanglingSimulatorLinkIsLeftOut",
     [](FakePortTree& t) {
         t.AddSimulatorLink("ttySIM0", false);
         t.AddSimulatorLink("ttySIM1");
     },
     {{"T360KV Simulator ttySIM1 (COM200)", "sim/ttySIM1"}}},
    {"OrderedByNumber",
     [](FakePortTree& t) {
         t.AddSimulatorLink("ttySIM0");
         t.PlugUsb("ttyUSB0", "1-2", "", "");
         t.AddOnBoard("ttyS0", 4);
     },
     {{"Communications Port (COM1)", "dev/ttyS0"},
      {"USB Serial Port (COM10)", "dev/ttyUSB0"},
      {"T360KV Simulator ttySIM0 (COM200)", "sim/ttySIM0"}}},
    {"LongNameCutToFitWithItsNumber",
     [](FakePortTree& t) { t.PlugUsb("ttyUSB0", "1-2", "", kLongProduct); },
     {{std::string(127 - 8, 'x') + " (COM10)", "dev/ttyUSB0"}}},
};

class PortListingTest : public ::testing::TestWithParam<ListingCase> {};

TEST_P(PortListingTest, ListsThePortsPresent) {
    FakePortTree tree;
    GetParam().Lay(tree);
    std::vector<TPortEntry> ports;
    ASSERT_TRUE(EnumerateSerialPorts(tree.Roots(), ports));
    std::vector<ExpectedPort> listed;
    for (const TPortEntry& port : ports) {
        ASSERT_EQ(port.DevicePath.rfind(tree.Root() + "/", 0), 0u) << port.DevicePath;
        EXPECT_LE(port.FriendlyName.size(), 127u);
        EXPECT_NE(port.FriendlyName.find("(COM" + std::to_string(port.ComNumber) + ")"),
                  std::string::npos);
        listed.push_back({port.FriendlyName, port.DevicePath.substr(tree.Root().size() + 1)});
    }
    ASSERT_EQ(listed.size(), GetParam().Expected.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].FriendlyName, GetParam().Expected[i].FriendlyName);
        EXPECT_EQ(listed[i].Path, GetParam().Expected[i].Path);
    }
}

INSTANTIATE_TEST_SUITE_P(Trees, PortListingTest, ::testing::ValuesIn(kListingCases),
                         [](const auto& param) { return std::string(param.param.Name); });

TEST(PortListTest, UnreadableDeviceFolderKeepsTheOldList) {
    FakePortTree tree;
    TPortRoots roots = tree.Roots();
    roots.Dev = tree.Root() + "/no-such-dev";
    std::vector<TPortEntry> ports = {{"USB Serial Port (COM5)", "/dev/ttyUSB0", 5}};
    EXPECT_FALSE(EnumerateSerialPorts(roots, ports));
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].ComNumber, 5);
}

TEST(PortListTest, UsbPortWithoutSysfsKeepsTheFallbackName) {
    FakePortTree tree;
    tree.PlugUsb("ttyUSB0", "1-2", "FTDI", "FT232R USB UART");
    TPortRoots roots = tree.Roots();
    roots.Sys = tree.Root() + "/no-such-sys";
    std::vector<TPortEntry> ports;
    ASSERT_TRUE(EnumerateSerialPorts(roots, ports));
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].FriendlyName, "USB Serial Port (COM10)");
}

class ResolveDevicePathTest : public ::testing::Test {
protected:
    ResolveDevicePathTest() {
        tree.PlugUsb("ttyUSB0", "1-2", "FTDI", "FT232R USB UART"); // COM10
        tree.AddOnBoard("ttyS1", 4);                               // COM2
        tree.AddSimulatorLink("ttySIM0");                          // COM200
    }
    std::string Resolve(const std::string& name) { return ResolveDevicePath(tree.Roots(), name); }

    FakePortTree tree;
};

TEST_F(ResolveDevicePathTest, ComNameGivesThePathOfThatPort) {
    EXPECT_EQ(Resolve("\\\\.\\COM10"), tree.DevPath("ttyUSB0"));
    EXPECT_EQ(Resolve("\\\\.\\com10"), tree.DevPath("ttyUSB0"));
    EXPECT_EQ(Resolve("\\\\.\\COM2"), tree.DevPath("ttyS1"));
    EXPECT_EQ(Resolve("\\\\.\\COM200"), tree.SimulatorPath("ttySIM0"));
}

TEST_F(ResolveDevicePathTest, ComNameOfNoPresentPortGivesNothing) {
    for (const char* name :
         {"\\\\.\\COM11", "\\\\.\\COM1", "\\\\.\\COM0", "\\\\.\\COM999", "\\\\.\\COM1000"})
        EXPECT_EQ(Resolve(name), "") << name;
}

TEST_F(ResolveDevicePathTest, OtherNamesAreReturnedAsTheyAre) {
    for (const char* name :
         {"/dev/pts/3", "Com2", "COM10", "\\\\.\\COM", "\\\\.\\COM10x", "\\\\.\\LPT1", ""})
        EXPECT_EQ(Resolve(name), name) << name;
}

} // namespace
