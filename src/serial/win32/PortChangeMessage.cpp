// Reads the broadcast by its documented layout rather than through the Windows headers,
// so that the filter is built and tested on every platform.
#include "serial/win32/PortNotifications.h"
#include "serial/win32/PortsClassGuid.h"

#include <cstring>

namespace {

constexpr unsigned kWmDeviceChange = 0x0219;
constexpr uintptr_t kDbtDevNodesChanged = 0x0007;
constexpr uintptr_t kDbtDeviceArrival = 0x8000;
constexpr uintptr_t kDbtDeviceRemoveComplete = 0x8004;
constexpr uint32_t kDbtDevTypDeviceInterface = 5;

// DEV_BROADCAST_DEVICEINTERFACE: size, device type, reserved, class GUID, name.
constexpr size_t kSizeOffset = 0;
constexpr size_t kDeviceTypeOffset = 4;
constexpr size_t kClassGuidOffset = 12;
constexpr uint32_t kSizeWithClassGuid = kClassGuidOffset + sizeof(TClassGuid);

uint32_t ReadUint32(const unsigned char* at) {
    uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

bool IsPortChangeMessage(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (message != kWmDeviceChange)
        return false;
    if (wParam == kDbtDevNodesChanged)
        return true;
    if ((wParam != kDbtDeviceArrival && wParam != kDbtDeviceRemoveComplete) || lParam == 0)
        return false;
    const auto* header = reinterpret_cast<const unsigned char*>(lParam);
    if (ReadUint32(header + kDeviceTypeOffset) != kDbtDevTypDeviceInterface ||
        ReadUint32(header + kSizeOffset) < kSizeWithClassGuid)
        return false;
    TClassGuid guid;
    std::memcpy(&guid, header + kClassGuidOffset, sizeof guid);
    return guid.Data1 == kPortsClassGuid.Data1 && guid.Data2 == kPortsClassGuid.Data2 &&
           guid.Data3 == kPortsClassGuid.Data3 &&
           std::memcmp(guid.Data4, kPortsClassGuid.Data4, sizeof guid.Data4) == 0;
}
