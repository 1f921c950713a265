// Reading port numbers out of the port selector's entries.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The decimal number after "(COM" in a friendly name; -1 when there is no "(COM", 0
// when no digit follows.
int ComNumberOf(const std::string& friendlyName);

// "(COMn)", what the friendly name of port n holds.
std::string ComTag(int n);
// "\\.\COMn", the device name of port n.
std::string ComDeviceName(int n);

// The port selector's entry that a text given on the command line selects (--port of
// the window and of t360kv): the entry whose device is the path `text`, else the entry
// of port n for "COMn", else the first entry whose text contains `text`, letters in any
// case ("ttySIM0", "ftdi"). -1 when none does. `devicePath` gives the device path of
// port n; entries without a port number are no ports and never selected.
int PortEntrySelectedBy(const std::string& text, const std::vector<std::string>& entries,
                        const std::function<std::string(int n)>& devicePath);
