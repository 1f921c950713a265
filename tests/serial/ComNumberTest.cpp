// Stable COM numbers: the same device keeps its number through unplugging, plugging
// into another socket and restarts; new devices never take a number given before.
#include "FakePortTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kNotListed = -1;

class ComNumberTest : public ::testing::Test {
protected:
    ComNumberTest() : roots(tree.Roots()) {}

    std::vector<TPortEntry> Enumerate() {
        std::vector<TPortEntry> ports;
        EXPECT_TRUE(EnumerateSerialPorts(roots, ports));
        std::set<int> numbers;
        for (const TPortEntry& port : ports)
            EXPECT_TRUE(numbers.insert(port.ComNumber).second) << "COM" << port.ComNumber;
        return ports;
    }
    // The number of the port at `path`, enumerating afresh.
    int NumberOf(const std::string& path) {
        for (const TPortEntry& port : Enumerate()) {
            if (port.DevicePath == path)
                return port.ComNumber;
        }
        return kNotListed;
    }
    int NumberOfNode(const std::string& node) { return NumberOf(tree.DevPath(node)); }

    void PlugFtdi(const std::string& node, const std::string& socket, const std::string& serial) {
        tree.PlugUsb(node, socket, "FTDI", "FT232R USB UART");
        tree.AddByIdLink("usb-FTDI_FT232R_USB_UART_" + serial + "-if00-port0", node);
    }
    void WriteNumberFile(const std::string& text) {
        fs::create_directories(fs::path(roots.ComNumberFile).parent_path());
        std::ofstream(roots.ComNumberFile) << text;
    }

    FakePortTree tree;
    TPortRoots roots;
};

TEST_F(ComNumberTest, DeviceKeepsItsNumberThroughUnplugAndReplugElsewhere) {
    PlugFtdi("ttyUSB0", "1-2", "A1");
    PlugFtdi("ttyUSB1", "1-3", "B2");
    ASSERT_EQ(NumberOfNode("ttyUSB0"), 10);
    ASSERT_EQ(NumberOfNode("ttyUSB1"), 11);
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 10) << "a second enumeration changed nothing";

    tree.Unplug("ttyUSB0");
    EXPECT_EQ(NumberOfNode("ttyUSB1"), 11);
    PlugFtdi("ttyUSB2", "1-4", "C3");
    EXPECT_EQ(NumberOfNode("ttyUSB2"), 12) << "COM10 stays A1's while it is away";

    // A1 again, in another socket and under another node name.
    PlugFtdi("ttyUSB0", "1-5", "A1");
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 10);
}

TEST_F(ComNumberTest, NumbersSurviveARestart) {
    PlugFtdi("ttyUSB0", "1-2", "A1");
    PlugFtdi("ttyUSB1", "1-3", "B2");
    ASSERT_EQ(NumberOfNode("ttyUSB1"), 11);

    // The next run: a table this process has not seen, read from the file; the devices
    // come back in the other order.
    std::string nextRun = tree.Root() + "/next-run/com-ports";
    fs::create_directories(fs::path(nextRun).parent_path());
    fs::copy_file(roots.ComNumberFile, nextRun);
    roots.ComNumberFile = nextRun;
    tree.Unplug("ttyUSB0");
    tree.Unplug("ttyUSB1");
    PlugFtdi("ttyUSB0", "1-3", "B2");
    PlugFtdi("ttyUSB1", "1-2", "A1");
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 11);
    EXPECT_EQ(NumberOfNode("ttyUSB1"), 10);
}

TEST_F(ComNumberTest, PortWithoutByIdLinkIsKnownBySocket) {
    tree.PlugUsb("ttyACM0", "1-2", "", "");
    ASSERT_EQ(NumberOfNode("ttyACM0"), 10);
    tree.Unplug("ttyACM0");
    tree.PlugUsb("ttyACM0", "1-3", "", "");
    EXPECT_EQ(NumberOfNode("ttyACM0"), 11) << "another socket, another device";
    tree.Unplug("ttyACM0");
    tree.PlugUsb("ttyACM1", "1-2", "", "");
    EXPECT_EQ(NumberOfNode("ttyACM1"), 10) << "the first socket again";
}

TEST_F(ComNumberTest, OnBoardPortsKeepTheirFixedNumbers) {
    tree.AddOnBoard("ttyS9", 4); // COM10
    PlugFtdi("ttyUSB0", "1-2", "A1");
    EXPECT_EQ(NumberOfNode("ttyS9"), 10);
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 11);
}

TEST_F(ComNumberTest, OnBoardPortThatComesLaterTakesItsNumberBack) {
    PlugFtdi("ttyUSB0", "1-2", "A1");
    ASSERT_EQ(NumberOfNode("ttyUSB0"), 10);
    tree.AddOnBoard("ttyS9", 4);
    EXPECT_EQ(NumberOfNode("ttyS9"), 10);
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 11);
}

TEST_F(ComNumberTest, SimulatorPortsAreNumberedByLinkNameFrom200) {
    tree.AddSimulatorLink("ttySIM0");
    tree.AddSimulatorLink("ttySIM1");
    PlugFtdi("ttyUSB0", "1-2", "A1");
    EXPECT_EQ(NumberOf(tree.SimulatorPath("ttySIM0")), 200);
    EXPECT_EQ(NumberOf(tree.SimulatorPath("ttySIM1")), 201);
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 10);

    // A simulator started again under the same name, on a new pseudo-terminal.
    fs::remove(tree.SimulatorPath("ttySIM0"));
    EXPECT_EQ(NumberOf(tree.SimulatorPath("ttySIM0")), kNotListed);
    tree.AddSimulatorLink("ttySIM0");
    EXPECT_EQ(NumberOf(tree.SimulatorPath("ttySIM0")), 200);
}

TEST_F(ComNumberTest, DamagedFileCostsOnlyItsBadLines) {
    WriteNumberFile("12 usb-FTDI_FT232R_USB_UART_A1-if00-port0\n"
                    "garbage\n"
                    "300 out-of-range\n"
                    "0 zero\n"
                    "-4 negative\n"
                    "13\n"
                    "13 \n"
                    "usb-reversed 14\n"
                    "15 first-holder\n"
                    "15 second-holder\n"
                    "16 usb-FTDI_FT232R_USB_UART_A1-if00-port0\n"
                    "\x01\xff\xfe binary\r\n"
                    "99999999999999999999 huge");
    PlugFtdi("ttyUSB0", "1-2", "A1");
    PlugFtdi("ttyUSB1", "1-3", "B2");
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 12);
    EXPECT_EQ(NumberOfNode("ttyUSB1"), 10);
}

TEST_F(ComNumberTest, UnwritableFileStillKeepsNumbersForThisRun) {
    std::ofstream(tree.Root() + "/not-a-folder") << "";
    roots.ComNumberFile = tree.Root() + "/not-a-folder/com-ports";
    PlugFtdi("ttyUSB0", "1-2", "A1");
    ASSERT_EQ(NumberOfNode("ttyUSB0"), 10);
    tree.Unplug("ttyUSB0");
    PlugFtdi("ttyUSB1", "1-3", "B2");
    EXPECT_EQ(NumberOfNode("ttyUSB1"), 11);
    PlugFtdi("ttyUSB0", "1-2", "A1");
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 10);
}

TEST_F(ComNumberTest, FullRangeGivesUpTheOldestAbsentNumber) {
    // Every number of COM10..COM199 held, oldest first: COM10 by a device that is
    // present, then COM57 by one that is not.
    std::string table = "10 usb-FTDI_FT232R_USB_UART_A1-if00-port0\n57 usb-oldest-absent\n";
    for (int n = 11; n <= 199; ++n) {
        if (n != 57)
            table += std::to_string(n) + " usb-seen-" + std::to_string(n) + "\n";
    }
    WriteNumberFile(table);
    PlugFtdi("ttyUSB0", "1-2", "A1");
    PlugFtdi("ttyUSB1", "1-3", "NEW");
    EXPECT_EQ(NumberOfNode("ttyUSB0"), 10);
    EXPECT_EQ(NumberOfNode("ttyUSB1"), 57);
}

} // namespace
