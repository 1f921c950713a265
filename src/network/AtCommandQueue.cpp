#include "network/AtCommandQueue.h"

const char* AtCommandText(int32_t command) {
    switch (command) {
    case acVersion:
        return "AT+VER";
    case acSystemIp:
        return "AT+SYSIP";
    case acDeviceName:
        return "AT+DEVNAME";
    default:
        return "";
    }
}

bool TAtCommandQueue::Push(const AtCommandEntry& entry) {
    uint16_t next = static_cast<uint16_t>((head_ + 1) % kCapacity);
    if (next == tail_)
        return false;
    slots_[head_] = entry;
    head_ = next;
    return true;
}

bool TAtCommandQueue::Pop(AtCommandEntry& entry) {
    if (head_ == tail_)
        return false;
    entry = slots_[tail_];
    slots_[tail_] = AtCommandEntry{};
    tail_ = static_cast<uint16_t>((tail_ + 1) % kCapacity);
    return true;
}
