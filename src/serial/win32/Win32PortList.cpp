// The present devices of the ports setup class, through SetupAPI. Each device's
// instance id is read only as a check that the device can be read; a device that cannot
// ends the enumeration, keeping the ports found before it.
#include "serial/PortList.h"
#include "serial/win32/FriendlyNames.h"
#include "serial/win32/PortsClassGuid.h"
#include "serial/win32/SerialDeviceMap.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <setupapi.h>

#include <cstring>
#include <string>

namespace {

constexpr DWORD kFriendlyNameSize = 128;

GUID PortsClass() {
    GUID guid;
    static_assert(sizeof guid == sizeof kPortsClassGuid);
    std::memcpy(&guid, &kPortsClassGuid, sizeof guid);
    return guid;
}

bool InstanceIdReadable(HDEVINFO list, SP_DEVINFO_DATA& device) {
    DWORD size = 0;
    SetupDiGetDeviceInstanceIdA(list, &device, nullptr, 0, &size);
    if (size == 0)
        return false;
    auto* id = static_cast<char*>(LocalAlloc(LMEM_FIXED, size));
    if (id == nullptr)
        return false;
    bool read = SetupDiGetDeviceInstanceIdA(list, &device, id, size, nullptr) != FALSE;
    LocalFree(id);
    return read;
}

} // namespace

bool EnumerateSerialPorts(std::vector<TPortEntry>& ports) {
    GUID portsClass = PortsClass();
    HDEVINFO list = SetupDiGetClassDevsA(&portsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (list == INVALID_HANDLE_VALUE)
        return false;
    ports.clear();
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list, index, &device); ++index) {
        char name[kFriendlyNameSize] = {};
        if (!InstanceIdReadable(list, device) ||
            !SetupDiGetDeviceRegistryPropertyA(list, &device, SPDRP_FRIENDLYNAME, nullptr,
                                               reinterpret_cast<BYTE*>(name), sizeof name, nullptr))
            break;
        name[kFriendlyNameSize - 1] = '\0';
        TPortEntry entry;
        if (PortEntryOfFriendlyName(name, GetACP(), entry))
            ports.push_back(entry);
    }
    SetupDiDestroyDeviceInfoList(list);
    AddDeviceMapPorts(ports);
    return true;
}

std::string ResolveDevicePath(const std::string& deviceName) {
    return deviceName;
}
