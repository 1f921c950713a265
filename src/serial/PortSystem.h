// How the window controller reaches the serial ports of the system: their friendly
// names, a test-open of one, and a notice when ports come or go. Tests give a fake.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPortSystem {
public:
    virtual ~TPortSystem() = default;
    // Friendly names of the present ports, in enumeration order; false when the system's
    // list cannot be read.
    virtual bool Enumerate(std::vector<std::string>& friendlyNames) = 0;
    // Opens the device exclusively and closes it again; true when that worked, otherwise
    // false with the reason in words for the user.
    virtual bool CanOpen(const std::string& deviceName, std::string& reason) = 0;
    // The device path behind a device name such as "\\.\COM5".
    virtual std::string DevicePath(const std::string& deviceName) = 0;
    // Calls `changed`, from any thread, whenever ports may have come or gone, until the
    // port system is destroyed.
    virtual void Watch(std::function<void()> changed) = 0;
};

// The ports of this computer.
std::unique_ptr<TPortSystem> SystemPorts();
