// Runs the receiver simulator as a child process for an end-to-end test. Its port is
// registered in a runtime folder of the test's own, so tests never see each other's.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

class SimProcess {
public:
    // Starts the simulator with `args` and waits for the port path it prints first. The
    // port is registered under `runtimeDir` (the simulator's XDG_RUNTIME_DIR), by default
    // a temporary folder of its own that is removed afterwards.
    explicit SimProcess(const std::vector<std::string>& args = {},
                        const std::string& runtimeDir = "");
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& Port() const { return port_; }
    const std::string& RuntimeDir() const { return runtimeDir_; }
    // What the simulator logged on stderr so far.
    std::string Log() const;
    // Sends SIGTERM and waits for the exit; returns the exit status (-1 if killed).
    int Stop();

private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    std::string port_;
    std::string runtimeDir_;
    bool ownsRuntimeDir_ = false;
};
