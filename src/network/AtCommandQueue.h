// The network module's AT commands and the small ring that queues them. The ring has 20
// slots and keeps one free, so it holds 19 commands; one more is dropped.
#pragma once

#include <array>
#include <cstdint>

enum TAtCommand : int32_t { acNone = 0, acVersion = 1, acSystemIp = 2, acDeviceName = 3 };

// "AT+VER", "AT+SYSIP", "AT+DEVNAME"; empty for acNone and unknown numbers.
const char* AtCommandText(int32_t command);

struct AtCommandEntry {
    int32_t Command;      // TAtCommand
    uint8_t RetriesLeft;  // how many times it may still be repeated
    int32_t Ticks;        // timer ticks since it was last sent
    int32_t TimeoutTicks; // ticks after which it is repeated or given up
    uint8_t Sent;         // written and not yet timed out
    uint8_t Done;         // given up
};

class TAtCommandQueue {
public:
    static constexpr uint16_t kCapacity = 20;

    // False, dropping the entry, when the queue is full.
    bool Push(const AtCommandEntry& entry);
    // False when the queue is empty.
    bool Pop(AtCommandEntry& entry);
    int Count() const { return (head_ + kCapacity - tail_) % kCapacity; }
    void Reset() { *this = TAtCommandQueue(); }

private:
    std::array<AtCommandEntry, kCapacity> slots_{};
    uint16_t head_ = 0; // next slot to write
    uint16_t tail_ = 0; // next slot to read
};
