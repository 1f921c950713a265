// Which WM_DEVICECHANGE messages ask for a new port list. The broadcasts are laid out
// byte by byte as Windows sends them, so a wrong class GUID in the filter shows here.
#include "serial/win32/PortNotifications.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ostream>
#include <string>

namespace {

constexpr unsigned kWmDeviceChange = 0x0219;
constexpr uintptr_t kDevNodesChanged = 0x0007;
constexpr uintptr_t kDeviceArrival = 0x8000;
constexpr uintptr_t kDeviceQueryRemove = 0x8001;
constexpr uintptr_t kDeviceRemoveComplete = 0x8004;
constexpr uint32_t kDeviceInterface = 5;
constexpr uint32_t kPort = 3;

using GuidBytes = std::array<unsigned char, 16>;
// {4D36E978-E325-11CE-BFC1-08002BE10318} as it lies in memory.
constexpr GuidBytes kPortsClass = {0x78, 0xE9, 0x36, 0x4D, 0x25, 0xE3, 0xCE, 0x11,
                                   0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18};
// {A5DCBF10-6530-11D2-901F-00C04FB951ED}, USB devices.
constexpr GuidBytes kUsbDeviceClass = {0x10, 0xBF, 0xDC, 0xA5, 0x30, 0x65, 0xD2, 0x11,
                                       0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED};

GuidBytes WithByteChanged(GuidBytes guid, size_t index) {
    guid[index] ^= 0x01;
    return guid;
}

// DEV_BROADCAST_DEVICEINTERFACE_A: size, device type, reserved, class GUID, name.
struct Broadcast {
    alignas(4) unsigned char Bytes[32] = {};

    Broadcast(uint32_t deviceType, const GuidBytes& classGuid) {
        uint32_t size = sizeof Bytes;
        std::memcpy(Bytes, &size, 4);
        std::memcpy(Bytes + 4, &deviceType, 4);
        std::memcpy(Bytes + 12, classGuid.data(), classGuid.size());
    }
    intptr_t LParam() const { return reinterpret_cast<intptr_t>(Bytes); }
};

struct MessageCase {
    const char* Name;
    unsigned Message;
    uintptr_t WParam;
    uint32_t DeviceType;
    GuidBytes ClassGuid;
    bool PortChange;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.Name;
}

const MessageCase kMessageCases[] = {
    {"NodesChanged", kWmDeviceChange, kDevNodesChanged, 0, {}, true},
    {"PortArrived", kWmDeviceChange, kDeviceArrival, kDeviceInterface, kPortsClass, true},
    {"PortRemoved", kWmDeviceChange, kDeviceRemoveComplete, kDeviceInterface, kPortsClass, true},
    {"PortAboutToBeRemoved", kWmDeviceChange, kDeviceQueryRemove, kDeviceInterface, kPortsClass,
     false},
    {"OtherMessage", 0x0218, kDevNodesChanged, 0, {}, false},
    {"OtherDeviceType", kWmDeviceChange, kDeviceArrival, kPort, kPortsClass, false},
    {"OtherClass", kWmDeviceChange, kDeviceArrival, kDeviceInterface, kUsbDeviceClass, false},
    {"ClassDiffersInItsFirstByte", kWmDeviceChange, kDeviceArrival, kDeviceInterface,
     WithByteChanged(kPortsClass, 0), false},
    {"ClassDiffersInItsSixthByte", kWmDeviceChange, kDeviceRemoveComplete, kDeviceInterface,
     WithByteChanged(kPortsClass, 5), false},
    {"ClassDiffersInItsLastByte", kWmDeviceChange, kDeviceRemoveComplete, kDeviceInterface,
     WithByteChanged(kPortsClass, 15), false},
};

class PortChangeMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(PortChangeMessageTest, AsksForANewPortList) {
    const MessageCase& c = GetParam();
    Broadcast broadcast(c.DeviceType, c.ClassGuid);
    intptr_t lParam = c.WParam == kDevNodesChanged ? 0 : broadcast.LParam();
    EXPECT_EQ(IsPortChangeMessage(c.Message, c.WParam, lParam), c.PortChange);
}

INSTANTIATE_TEST_SUITE_P(Messages, PortChangeMessageTest, ::testing::ValuesIn(kMessageCases),
                         [](const auto& param) { return std::string(param.param.Name); });

TEST(PortChangeMessageFilter, ArrivalWithoutBroadcastIsNoPortChange) {
    EXPECT_FALSE(IsPortChangeMessage(kWmDeviceChange, kDeviceArrival, 0));
}

} // namespace
