// A pseudo-terminal pair made by the test: the far end (master) plays the device, the
// near end (slave path) is the serial port the code under test opens. The test keeps a
// descriptor of the near end too, to look at its line settings.
#pragma once

#include <string>

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& Path() const { return path_; }
    int NearFd() const { return near_; }
    // Writes all bytes at the far end.
    void WriteFar(const std::string& bytes);
    // Reads what has arrived at the far end within `timeoutMs`.
    std::string ReadFar(int timeoutMs);
    // Closes the far end: the device "vanishes".
    void CloseFar();

private:
    int far_ = -1;
    int near_ = -1;
    std::string path_;
};
