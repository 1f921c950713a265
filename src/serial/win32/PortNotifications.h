// Ports coming and going on Windows: the main window registers for device-interface
// notifications of the ports class and passes each message it gets to
// IsPortChangeMessage; a true answer means the port list is to be refreshed.
#pragma once

#include <cstdint>

// Registers the window `hwnd` (an HWND) for WM_DEVICECHANGE messages about devices of
// the ports class. Returns the notification handle (an HDEVNOTIFY), null on failure.
// Windows only.
void* RegisterPortNotifications(void* hwnd);

// Whether a window message says that ports came or went: WM_DEVICECHANGE with
// DBT_DEVNODES_CHANGED, or with DBT_DEVICEARRIVAL / DBT_DEVICEREMOVECOMPLETE for a
// device interface of the ports class. `lParam` is then the broadcast header.
bool IsPortChangeMessage(unsigned message, uintptr_t wParam, intptr_t lParam);
