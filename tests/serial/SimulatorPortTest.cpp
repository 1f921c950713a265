// The port list of this machine with the receiver simulator running: its port is
// listed while it runs, opens through its COM name, and goes when it stops. The test
// has configuration and runtime folders of its own; no other device is opened.
#include "SimProcess.h"

#include "serial/Comm.h"
#include "serial/PortList.h"
#include "serial/PortWatcher.h"
#include "serial/SimulatorPorts.h"
#include "session/EventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

const TPortEntry* FindByPath(const std::vector<TPortEntry>& ports, const std::string& path) {
    for (const TPortEntry& port : ports) {
        if (port.DevicePath == path)
            return &port;
    }
    return nullptr;
}

class SimulatorPortTest : public ::testing::Test {
protected:
    SimulatorPortTest() {
        char folder[] = "/tmp/t360kv-config-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("mkdtemp failed");
        configDir = folder;
        setenv("XDG_CONFIG_HOME", folder, 1);
    }
    ~SimulatorPortTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(configDir, ignored);
    }

    std::string configDir;
};

TEST_F(SimulatorPortTest, ListedWhileRunningAndOpenedByItsComName) {
    SimProcess sim;
    setenv("XDG_RUNTIME_DIR", sim.RuntimeDir().c_str(), 1);
    ASSERT_EQ(SimulatorPortFolder(), sim.RuntimeDir() + "/t360kv-sim");

    std::vector<TPortEntry> ports;
    ASSERT_TRUE(EnumerateSerialPorts(ports));
    const TPortEntry* listed = FindByPath(ports, sim.Port());
    ASSERT_NE(listed, nullptr) << sim.Port();
    const int number = listed->ComNumber;
    const std::string comName = "\\\\.\\COM" + std::to_string(number);
    EXPECT_NE(listed->FriendlyName.find("(COM" + std::to_string(number) + ")"), std::string::npos);
    EXPECT_EQ(ResolveDevicePath(comName), sim.Port());

    TEventLoop loop;
    TComm comm(loop.HandOver());
    std::atomic<uint32_t> received{0};
    comm.OnRxChar = [&](TThreadComm* sender, uint32_t count) {
        std::vector<char> bytes(count);
        received += static_cast<uint32_t>(sender->Read(bytes.data(), static_cast<int>(count)));
    };
    comm.SetDeviceName(comName);
    comm.Open();
    ASSERT_TRUE(comm.IsOpen()) << comName;
    EXPECT_TRUE(loop.RunUntil([&] { return received > 0; }, 10s)) << sim.Log();
    comm.Close();

    // As the main window does: the watcher's thread only hands the notice over.
    int changes = 0;
    TPortWatcher watcher([&] { loop.Post([&] { ++changes; }); });
    sim.Stop();
    EXPECT_TRUE(loop.RunUntil([&] { return changes > 0; }, 10s));
    ASSERT_TRUE(EnumerateSerialPorts(ports));
    EXPECT_EQ(FindByPath(ports, sim.Port()), nullptr);
    EXPECT_EQ(ResolveDevicePath(comName), "");
    comm.Open();
    EXPECT_FALSE(comm.IsOpen());
}

} // namespace
