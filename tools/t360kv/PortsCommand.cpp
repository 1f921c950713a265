// t360kv ports: the serial ports the port selector lists, with the device behind each.
#include "Commands.h"

#include "serial/PortList.h"

#include <cstdio>
#include <vector>

int RunPortsCommand(int argc, char**) {
    if (argc != 0) {
        std::fprintf(stderr, "t360kv ports: takes no arguments\n");
        return 2;
    }
    std::vector<TPortEntry> ports;
    if (!EnumerateSerialPorts(ports)) {
        std::fprintf(stderr, "t360kv ports: the system's port list cannot be read\n");
        return 1;
    }
    for (const TPortEntry& port : ports)
        std::printf("%s\t%s\n", port.FriendlyName.c_str(), port.DevicePath.c_str());
    return 0;
}
