// The system's serial device map (HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM): every
// serial port driver that runs enters its COM name there, also for ports that have no
// device of the ports setup class, such as the ports of some virtual and network serial
// drivers, and every COM port under wine.
#pragma once

#include "serial/PortList.h"

#include <vector>

// Adds, after the ports listed, each port of the device map that is not listed yet, as
// "Communications Port (COM<n>)", in the order of the numbers.
void AddDeviceMapPorts(std::vector<TPortEntry>& ports);
