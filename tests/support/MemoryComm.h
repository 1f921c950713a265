// A serial component whose device lives in memory: tests and benchmarks push the bytes
// "received", read back what was written, and raise line events by hand.
#pragma once

#include "serial/Comm.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// What the memory device and its waiter share; the test holds it too.
struct MemoryLine {
    std::mutex mutex;
    std::condition_variable changed;
    std::string input;   // bytes waiting to be read
    size_t inputPos = 0; // read position in `input`
    std::string written; // bytes the component wrote
    std::deque<uint32_t> events;
    bool woken = false;
    bool lost = false;
    bool writeFails = false; // every write fails, as on a device gone bad
    int failNextWrites = 0;  // so many writes fail, the later ones succeed
    uint32_t eventMask = 0;
    int lineErrors = 0;
    std::vector<TLineSettings> applied;

    // Queues received bytes and, unless `quiet`, a kEvRxChar event for them.
    void Receive(const std::string& bytes, bool quiet = false);
    void RaiseEvents(uint32_t mask);
    void LoseDevice();
    std::string Written();
};

class TMemoryComm : public TComm {
public:
    explicit TMemoryComm(TSynchronize synchronize = {}) : TComm(std::move(synchronize)) {}
    std::shared_ptr<MemoryLine> line = std::make_shared<MemoryLine>();
    bool failOpen = false;
    TOpenFailure failure; // what a failed open reports

protected:
    bool CreateHandle() override;
};
