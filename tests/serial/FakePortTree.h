// A made-up /dev and /sys in a temporary folder, laid out as Linux lays them out for
// serial ports: device nodes (regular files here), /sys/class/tty links into the device
// tree, USB devices with their strings, /dev/serial/by-id links, and a simulator folder.
// Port discovery runs on it with the roots it gives; no real device is involved.
#pragma once

#include "serial/posix/PortScan.h"

#include <string>

class FakePortTree {
public:
    FakePortTree();
    ~FakePortTree();
    FakePortTree(const FakePortTree&) = delete;
    FakePortTree& operator=(const FakePortTree&) = delete;

    TPortRoots Roots() const;
    const std::string& Root() const { return root_; }
    std::string DevPath(const std::string& node) const { return root_ + "/dev/" + node; }
    std::string SimulatorPath(const std::string& link) const { return root_ + "/sim/" + link; }

    // A USB serial converter (ttyUSB<n>: its tty device sits below the interface) or a
    // CDC-ACM device (ttyACM<n>: the interface is its tty device), plugged into USB
    // socket `socket` (e.g. "1-2"). Empty strings leave the attribute out.
    void PlugUsb(const std::string& node, const std::string& socket,
                 const std::string& manufacturer, const std::string& product);
    // /dev/serial/by-id/<name> leading to /dev/<node>.
    void AddByIdLink(const std::string& name, const std::string& node);
    // Removes /dev/<node>, its device and class entry in sysfs, and the by-id links
    // leading to it.
    void Unplug(const std::string& node);

    // ttyS<n> with a UART of `uartType` (0: a placeholder) behind a platform device, or,
    // without a device, a virtual one as sysfs shows it.
    void AddOnBoard(const std::string& node, int uartType, bool withDevice = true);
    // A node with no sysfs device: a virtual terminal, the console.
    void AddVirtualNode(const std::string& node);
    // Makes the kernel write its console to these ttys ("ttyS0", "tty0 ttyS0").
    void SetConsoles(const std::string& names);

    // A simulator's link in the simulator folder, to a pseudo-terminal that exists or not.
    void AddSimulatorLink(const std::string& link, bool targetExists = true);

private:
    void MakeTty(const std::string& node, const std::string& deviceFolder);

    std::string root_;
};
