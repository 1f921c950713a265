// The event thread of the serial port component: waits for line events and hands each
// one to the GUI thread. It is detached and frees itself; the component only ever
// asks it to stop, and never waits for it, because it may be waiting for the GUI thread.
#pragma once

#include "serial/Comm.h"
#include "serial/CommDevice.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class TCommEventThread : public std::enable_shared_from_this<TCommEventThread> {
public:
    using TEventNotify = std::function<void(uint32_t mask)>;

    TCommEventThread(std::unique_ptr<TCommEventWaiter> waiter, uint32_t suspendTime,
                     TSynchronize synchronize);

    // Starts the thread; `notification` and `lost` then run on the GUI thread.
    void Start(TEventNotify notification, std::function<void()> lost);
    // Sets the stop flag, drops the notifications and wakes the thread. Returns at once;
    // a hand-over already queued finds no notification and runs nothing.
    void Stop();

private:
    void Execute();
    void Notify(uint32_t mask);
    void NotifyLost();

    std::unique_ptr<TCommEventWaiter> waiter_;
    uint32_t suspendTime_; // kept for the component's SuspendTime property; unused
    TSynchronize synchronize_;
    std::atomic<bool> stop_{false};
    // Guards the notifications against a synchronize that runs them on this thread.
    std::recursive_mutex notifyLock_;
    TEventNotify notification_;
    std::function<void()> lost_;
};
