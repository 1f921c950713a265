#include "serial/win32/PortNotifications.h"
#include "serial/win32/PortsClassGuid.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <dbt.h>

#include <cstring>

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) == 32);

void* RegisterPortNotifications(void* hwnd) {
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(&filter.dbcc_classguid, &kPortsClassGuid, sizeof filter.dbcc_classguid);
    return RegisterDeviceNotificationA(static_cast<HWND>(hwnd), &filter,
                                       DEVICE_NOTIFY_WINDOW_HANDLE);
}
