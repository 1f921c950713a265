// The port list of this system: the real /dev and /sys, the simulator's folder of this
// user, and the COM number table in the user's configuration folder.
#include "serial/PortList.h"
#include "serial/SimulatorPorts.h"
#include "serial/posix/PortScan.h"

#include <cstdlib>

namespace {

std::string ComNumberFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return std::string(config) + "/t360kv/com-ports";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config/t360kv/com-ports";
    return {};
}

} // namespace

TPortRoots SystemPortRoots() {
    return {"/dev", "/sys", "/dev/serial/by-id", SimulatorPortFolder(), ComNumberFile()};
}

bool EnumerateSerialPorts(std::vector<TPortEntry>& ports) {
    return EnumerateSerialPorts(SystemPortRoots(), ports);
}

std::string ResolveDevicePath(const std::string& deviceName) {
    return ResolveDevicePath(SystemPortRoots(), deviceName);
}
