// A process of its own that holds a device open and sleeps, as another program holding
// the serial port would.
#pragma once

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Holds the device `path` open (and, when `master` is given, that descriptor too) until
// the object goes.
class HoldingProcess {
public:
    explicit HoldingProcess(const std::string& path, int master = -1) {
        pid_ = fork();
        if (pid_ == 0) {
            // Only what the test asks for is held: the test's own descriptors are closed.
            int device = open(path.c_str(), O_RDWR | O_NOCTTY);
            if (device < 0 || dup2(device, 0) < 0 || (master >= 0 && dup2(master, 1) < 0))
                _exit(127);
            close_range(3, ~0U, 0);
            execl("/bin/sleep", "sleep", "60", static_cast<char*>(nullptr));
            _exit(127);
        }
        // Ready once it runs sleep: the device was opened before.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Name() != "sleep" && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~HoldingProcess() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    HoldingProcess(const HoldingProcess&) = delete;
    HoldingProcess& operator=(const HoldingProcess&) = delete;

    int Pid() const { return pid_; }
    std::string Name() const {
        std::ifstream comm("/proc/" + std::to_string(pid_) + "/comm");
        std::string name;
        std::getline(comm, name);
        return name;
    }

private:
    pid_t pid_ = -1;
};
