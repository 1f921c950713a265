// A device of the ports class as the port list holds it, from the friendly name SetupAPI
// gives (8-bit text in the ANSI code page). Windows only.
#pragma once

#include "serial/PortList.h"

#include <string>

// The entry of a device named `name` in `codePage`: the name in UTF-8, "\\.\COMn" and n.
// False for a device whose name carries no "(COM" (a printer port).
bool PortEntryOfFriendlyName(const std::string& name, unsigned codePage, TPortEntry& entry);
