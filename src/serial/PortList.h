// The serial ports present in the system, as the port selector lists them: a friendly
// name that carries "(COM<n>)", the device path to open, and the port number n.
#pragma once

#include <string>
#include <vector>

struct TPortEntry {
    // UTF-8, e.g. "FTDI FT232R USB UART (COM12)"; from at most 127 bytes of the system's name
    std::string FriendlyName;
    std::string DevicePath; // "\\.\COM12" on Windows, the device node or link on Linux
    int ComNumber = 0;      // the n of "(COM<n>)"
};

// The serial ports present, in enumeration order, each FriendlyName carrying "(COM%d)".
// False when the system's list cannot be read (the caller then keeps its old list).
// Never opens a device.
bool EnumerateSerialPorts(std::vector<TPortEntry>& ports);

// The device path behind "\\.\COM%d" (the empty string when no such port is present),
// or a plain device path, returned as it is. On Windows every name is returned as it is.
std::string ResolveDevicePath(const std::string& deviceName);
