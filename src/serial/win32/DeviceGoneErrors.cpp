#include "serial/win32/DeviceGoneErrors.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// ERROR_NOT_READY is what a wait started after the line hung up fails with (wine answers a
// pseudo-terminal whose other end has closed so); a device that comes back is opened anew.
bool MeansDeviceGone(unsigned long error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_OPERATION_ABORTED:
    case ERROR_INVALID_HANDLE:
        return true;
    default:
        return false;
    }
}
