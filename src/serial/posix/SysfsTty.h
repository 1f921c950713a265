// What sysfs tells about a tty, read from /sys alone: the device behind it, whether a
// UART is really there, and the USB device's strings. The tty itself is never opened.
#pragma once

#include <set>
#include <string>

struct TSysfsTty {
    // The device behind the tty, as "/sys/devices/..."; empty when the tty has none
    // (a virtual terminal, a pseudo-terminal).
    std::string DevicePath;
    // The UART type the serial driver reports; 0 (PORT_UNKNOWN) for a placeholder of a
    // port that is not fitted, and when there is no such attribute.
    int UartType = 0;
    // The strings of the USB device the tty belongs to; empty when it is none or they
    // are not given.
    std::string UsbManufacturer;
    std::string UsbProduct;
};

// `sysRoot` is normally "/sys".
TSysfsTty ReadSysfsTty(const std::string& sysRoot, const std::string& ttyName);

// The ttys the kernel writes its console to ("console=ttyS0" on its command line).
std::set<std::string> ActiveConsoles(const std::string& sysRoot);
