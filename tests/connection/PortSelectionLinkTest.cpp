// A port given on the command line by a link to its device, or by the device the link
// leads to, as the simulator's ports are: symbolic links, which only Linux makes here.
#include "TempFolder.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PortSelection, LinkOrItsDeviceSelectsThePortEntry) {
    TempFolder folder;
    const std::string device = folder.Write("pts-7", "");
    const std::string link = folder / "ttySIM0";
    std::filesystem::create_symlink(device, link);
    const std::vector<std::string> entries = {"Communications Port (COM1)",
                                              "T360KV Simulator ttySIM0 (COM200)"};
    auto devicePath = [&](int n) { return n == 200 ? link : std::string("/dev/ttyS0"); };
    EXPECT_EQ(PortEntrySelectedBy(link, entries, devicePath), 1);
    EXPECT_EQ(PortEntrySelectedBy(device, entries, devicePath), 1);
    EXPECT_EQ(PortEntrySelectedBy(folder / "elsewhere", entries, devicePath), -1);
}

} // namespace
