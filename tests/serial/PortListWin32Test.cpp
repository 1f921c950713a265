// The port list's entries from the friendly names SetupAPI gives in the PC's ANSI code
// page, converted by Windows itself, and the list of the system's ports class with
// devices the test registers there. No port is opened.
#include "serial/PortList.h"
#include "serial/win32/FriendlyNames.h"
#include "serial/win32/PortsClassGuid.h"

#include <windows.h>

#include <setupapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct NameCase {
    const char* What;
    std::string Name; // as SetupAPI gives it
    unsigned CodePage;
    std::string FriendlyName; // UTF-8
    std::string DevicePath;
    int ComNumber;
};

TEST(PortListWin32, FriendlyNamesBecomeEntriesInUtf8) {
    const NameCase cases[] = {
        {"a USB adapter", "USB Serial Port (COM5)", 1252, "USB Serial Port (COM5)", "\\\\.\\COM5",
         5},
        {"two digits and text after", "Prolific USB-to-Serial Comm Port (COM12) #2", 1252,
         "Prolific USB-to-Serial Comm Port (COM12) #2", "\\\\.\\COM12", 12},
        {"Western European", "Port de communication s\xE9rie (COM1)", 1252,
         "Port de communication s\xC3\xA9rie (COM1)", "\\\\.\\COM1", 1},
        {"Simplified Chinese", "\xCD\xA8\xD0\xC5\xB6\xCB\xBF\xDA (COM3)", 936,
         "\xE9\x80\x9A\xE4\xBF\xA1\xE7\xAB\xAF\xE5\x8F\xA3 (COM3)", "\\\\.\\COM3", 3}, // 通信端口
        {"Traditional Chinese", "\xB3\x71\xB0\x54\xB0\xF0 (COM4)", 950,
         "\xE9\x80\x9A\xE8\xA8\x8A\xE5\x9F\xA0 (COM4)", "\\\\.\\COM4", 4}, // 通訊埠
        {"Cyrillic", "\xCF\xEE\xF0\xF2 (COM7)", 1251, "\xD0\x9F\xD0\xBE\xD1\x80\xD1\x82 (COM7)",
         "\\\\.\\COM7", 7}, // Порт
        {"no digits after (COM", "Odd Port (COMx)", 1252, "Odd Port (COMx)", "\\\\.\\COM0", 0},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.What);
        TPortEntry entry;
        ASSERT_TRUE(PortEntryOfFriendlyName(c.Name, c.CodePage, entry));
        EXPECT_EQ(entry.FriendlyName, c.FriendlyName);
        EXPECT_EQ(entry.DevicePath, c.DevicePath);
        EXPECT_EQ(entry.ComNumber, c.ComNumber);
    }
}

TEST(PortListWin32, DevicesWithoutAComNumberAreNoPorts) {
    for (const char* name : {"ECP Printer Port (LPT1)", "", "COM5", "(com5)"}) {
        SCOPED_TRACE(name);
        TPortEntry entry{"kept", "kept", 9};
        EXPECT_FALSE(PortEntryOfFriendlyName(name, 1252, entry));
        EXPECT_EQ(entry.FriendlyName, "kept");
    }
}

// A device of the ports class in the system's device list, with a friendly name and no
// driver behind it (nothing to open), removed again when the object goes.
class RegisteredDevice {
public:
    explicit RegisteredDevice(const std::string& friendlyName) {
        GUID portsClass;
        std::memcpy(&portsClass, &kPortsClassGuid, sizeof portsClass);
        list_ = SetupDiCreateDeviceInfoList(&portsClass, nullptr);
        device_.cbSize = sizeof device_;
        const auto* name = reinterpret_cast<const BYTE*>(friendlyName.c_str());
        registered_ =
            list_ != INVALID_HANDLE_VALUE &&
            SetupDiCreateDeviceInfoA(list_, "T360KVTESTPORT", &portsClass, nullptr, nullptr,
                                     DICD_GENERATE_ID, &device_) &&
            SetupDiSetDeviceRegistryPropertyA(list_, &device_, SPDRP_FRIENDLYNAME, name,
                                              static_cast<DWORD>(friendlyName.size() + 1)) &&
            SetupDiRegisterDeviceInfo(list_, &device_, 0, nullptr, nullptr, nullptr);
        if (!registered_)
            error_ = GetLastError();
    }
    ~RegisteredDevice() {
        if (registered_)
            SetupDiRemoveDevice(list_, &device_);
        if (list_ != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(list_);
    }
    RegisteredDevice(const RegisteredDevice&) = delete;
    RegisteredDevice& operator=(const RegisteredDevice&) = delete;

    bool Registered() const { return registered_; }
    DWORD Error() const { return error_; }

private:
    HDEVINFO list_ = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA device_{};
    bool registered_ = false;
    DWORD error_ = 0;
};

std::vector<TPortEntry> TestPorts() {
    std::vector<TPortEntry> ports;
    EXPECT_TRUE(EnumerateSerialPorts(ports));
    std::erase_if(ports, [](const TPortEntry& port) {
        return port.FriendlyName.rfind("T360KV Test", 0) != 0;
    });
    return ports;
}

TEST(PortListWin32, PortsOfTheSystemsPortsClassAreListedByFriendlyName) {
    auto port = std::make_unique<RegisteredDevice>("T360KV Test Port (COM42)");
    if (!port->Registered())
        GTEST_SKIP() << "adding a device needs an administrator (error " << port->Error() << ")";
    RegisteredDevice printer("T360KV Test Printer Port (LPT3)");
    RegisteredDevice second("T360KV Test USB Serial Port (COM7)");
    ASSERT_TRUE(printer.Registered() && second.Registered());

    std::vector<TPortEntry> ports = TestPorts();
    std::sort(ports.begin(), ports.end(),
              [](const TPortEntry& a, const TPortEntry& b) { return a.ComNumber < b.ComNumber; });
    ASSERT_EQ(ports.size(), 2u) << "the printer port is no serial port";
    EXPECT_EQ(ports[0].FriendlyName, "T360KV Test USB Serial Port (COM7)");
    EXPECT_EQ(ports[0].DevicePath, "\\\\.\\COM7");
    EXPECT_EQ(ports[0].ComNumber, 7);
    EXPECT_EQ(ports[1].FriendlyName, "T360KV Test Port (COM42)");
    EXPECT_EQ(ports[1].DevicePath, "\\\\.\\COM42");

    port.reset();
    ports = TestPorts();
    ASSERT_EQ(ports.size(), 1u) << "a removed device is no longer present";
    EXPECT_EQ(ports[0].ComNumber, 7);
}

} // namespace
