// A receiver simulator whose port is in the port list of this test: both use a runtime
// folder of the test's own, so the restart recovery can find the port again by its
// COM number.
#pragma once

#include "SimProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class SimulatorSession : public ::testing::Test {
protected:
    SimulatorSession() {
        std::string pattern = ::testing::TempDir() + "t360kv-session-XXXXXX";
        runtimeDir = mkdtemp(pattern.data());
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (runtimeDir + "/config").c_str(), 1);
    }
    ~SimulatorSession() override {
        sim.reset();
        std::filesystem::remove_all(runtimeDir);
    }

    void StartSimulator(const std::vector<std::string>& args = {}) {
        sim = std::make_unique<SimProcess>(args, runtimeDir);
    }

    std::string runtimeDir;
    std::unique_ptr<SimProcess> sim;
};
