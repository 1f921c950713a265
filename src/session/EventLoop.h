// A single-threaded event loop for front ends without a GUI toolkit (the command-line
// tool, tests): posted calls, a blocking hand-over from other threads, and timers.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class TEventLoop {
public:
    using Clock = std::chrono::steady_clock;

    TEventLoop();
    // Releases every thread still blocked in Synchronize; their calls never run.
    ~TEventLoop();
    TEventLoop(const TEventLoop&) = delete;
    TEventLoop& operator=(const TEventLoop&) = delete;

    // Queues a call for the loop thread; safe from any thread.
    void Post(std::function<void()> call);
    // Runs `call` on the loop thread and blocks until it has run. On the loop thread
    // itself it runs at once. Returns false when the loop went away first.
    bool Synchronize(const std::function<void()>& call);
    // Synchronize for a thread that may outlive the loop (the serial event thread is
    // detached): it shares the loop's queue, so once the loop is gone it returns at
    // once without running the call.
    std::function<void(const std::function<void()>&)> HandOver() const;

    // Repeating timer on the loop thread; starts disabled.
    int AddTimer(std::chrono::milliseconds interval, std::function<void()> onTick);
    void SetTimerEnabled(int timer, bool enabled);

    // Runs posted calls and due timers until `done` holds or `timeout` has passed.
    // Returns whether `done` held.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    void RunFor(std::chrono::milliseconds duration);
    // Runs what is queued now, without waiting.
    void ProcessPending();

private:
    struct Timer {
        std::chrono::milliseconds interval;
        std::function<void()> onTick;
        bool enabled = false;
        Clock::time_point due;
    };
    struct Waiter;
    struct Queue;

    bool RunOnce(Clock::time_point until);
    void FireDueTimers();

    std::shared_ptr<Queue> queue_;
    std::vector<Timer> timers_;
};
