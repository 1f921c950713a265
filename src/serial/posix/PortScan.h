// Port discovery on Linux. The ports listed, and how each gets its COM number:
//
// - USB serial converters (/dev/ttyUSB<n>) and USB modems / CDC-ACM devices
//   (/dev/ttyACM<n>), named after the USB device's manufacturer and product strings in
//   sysfs ("FTDI FT232R USB UART (COM12)"), or "USB Serial Port" / "USB Communications
//   Port" when it gives none. Ports that only a link in /dev/serial/by-id leads to are
//   listed the same way.
// - On-board ports /dev/ttyS<n> with hardware behind them: a sysfs device, and a UART
//   type other than 0 (the driver's placeholder for a port that is not fitted).
//   Named "Communications Port".
// - The simulated receivers' ports: the links in the simulator's folder whose
//   pseudo-terminal still exists, named "T360KV Simulator <link name>".
//
// COM numbers stay the same from run to run. ttyS<n> is always COM<n+1>. Every other
// port's number comes from a table kept in a file (see ComNumberArbiter.h) that maps
// its identity to a number: for a USB device its /dev/serial/by-id link name, which
// holds vendor, product and serial number, so the device keeps its number whichever
// socket it is plugged into; for a port without such a link, its sysfs device path;
// for a simulator's port "sim:<link name>". New identities get the lowest free number
// from COM10 upwards, simulator ports from COM200 upwards.
//
// The kernel's console port ("console=ttyS0") is left out: it is not free for a
// receiver. Discovery reads /dev and /sys only; no device is ever opened here.
#pragma once

#include "serial/PortList.h"

#include <string>
#include <vector>

struct TPortRoots {
    std::string Dev;           // device nodes: "/dev"
    std::string Sys;           // "/sys"
    std::string ById;          // "/dev/serial/by-id"
    std::string Simulator;     // SimulatorPortFolder()
    std::string ComNumberFile; // empty: the numbers are kept for this run only
};

// The folders of this system, and the COM number table in
// "$XDG_CONFIG_HOME/t360kv/com-ports" (by default ~/.config/t360kv/com-ports).
TPortRoots SystemPortRoots();

bool EnumerateSerialPorts(const TPortRoots& roots, std::vector<TPortEntry>& ports);
std::string ResolveDevicePath(const TPortRoots& roots, const std::string& deviceName);
