// The simulated receiver's serial port: a pseudo-terminal whose device end (the slave,
// /dev/pts/N) the tool opens as its port, while the simulator speaks through the master.
#pragma once

#include <string>

class PtyPort {
public:
    // Opens the pair with the device end in raw mode. Throws std::runtime_error.
    PtyPort();
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    int MasterFd() const { return master_; } // non-blocking
    const std::string& DevicePath() const { return devicePath_; }

private:
    int master_ = -1;
    // Held for the simulator's whole life: when the tool closes the port, the device end
    // is still open, so the master sees no hang-up and the next open finds it unchanged.
    int device_ = -1;
    std::string devicePath_;
};
