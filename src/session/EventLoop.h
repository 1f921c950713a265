// A single-threaded event loop for front ends without a GUI toolkit (the command-line
// tool, tests): posted calls, a blocking hand-over from other threads, and timers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
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

    bool RunOnce(Clock::time_point until);
    void FireDueTimers();

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::shared_ptr<Waiter>> waiters_;
    std::vector<Timer> timers_;
    bool closing_ = false;
};
