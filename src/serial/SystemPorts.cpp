// The ports of this computer, for the window controller.
#include "serial/CommDevice.h"
#include "serial/PortList.h"
#include "serial/PortSystem.h"
#include "serial/PortWatcher.h"

namespace {

class TSystemPorts : public TPortSystem {
public:
    bool Enumerate(std::vector<std::string>& friendlyNames) override {
        std::vector<TPortEntry> ports;
        if (!EnumerateSerialPorts(ports))
            return false;
        friendlyNames.clear();
        for (const TPortEntry& port : ports)
            friendlyNames.push_back(port.FriendlyName);
        return true;
    }

    bool CanOpen(const std::string& deviceName, std::string& reason) override {
        TOpenFailure failure;
        if (OpenCommDevice(deviceName, failure) != nullptr)
            return true;
        reason = failure.Reason;
        return false;
    }

    std::string DevicePath(const std::string& deviceName) override {
        return ResolveDevicePath(deviceName);
    }

    void Watch(std::function<void()> changed) override {
        watcher_ = std::make_unique<TPortWatcher>(std::move(changed));
    }

private:
    std::unique_ptr<TPortWatcher> watcher_;
};

} // namespace

std::unique_ptr<TPortSystem> SystemPorts() {
    return std::make_unique<TSystemPorts>();
}
