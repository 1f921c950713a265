// Reading port numbers out of the port selector's entries.
#pragma once

#include <string>

// The decimal number after "(COM" in a friendly name; -1 when there is no "(COM", 0
// when no digit follows.
int ComNumberOf(const std::string& friendlyName);

// "\\.\COMn", the device name of port n.
std::string ComDeviceName(int n);
