// A port system under the test's control: which ports are present, which can be
// opened, and a way to announce a change as the hot-plug watcher would.
#pragma once

#include "serial/PortSystem.h"

#include <set>

class FakePorts : public TPortSystem {
public:
    struct State {
        std::vector<std::string> names;
        std::set<std::string> busy; // device names whose test-open fails
        std::string busyReason = "Busy: the device is held by another program.";
        bool listFails = false;
        std::function<void()> changed;
    };

    explicit FakePorts(std::shared_ptr<State> state) : state_(std::move(state)) {}

    bool Enumerate(std::vector<std::string>& friendlyNames) override {
        if (state_->listFails)
            return false;
        friendlyNames = state_->names;
        return true;
    }
    bool CanOpen(const std::string& deviceName, std::string& reason) override {
        if (state_->busy.count(deviceName) == 0)
            return true;
        reason = state_->busyReason;
        return false;
    }
    std::string DevicePath(const std::string& deviceName) override { return deviceName; }
    void Watch(std::function<void()> changed) override { state_->changed = std::move(changed); }

private:
    std::shared_ptr<State> state_;
};
