#include "session/EventLoop.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// A thread blocked in Synchronize waits on its own flag, so that the destructor can
// release it without running its call.
struct TEventLoop::Waiter {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool ran = false;

    void Finish(bool hasRun) {
        std::lock_guard<std::mutex> guard(mutex);
        finished = true;
        ran = hasRun;
        done.notify_all();
    }
};

// What other threads reach: the posted calls and the callers waiting for theirs. Shared
// with every hand-over, so that a caller that comes after the loop is gone finds it
// closed instead of freed memory.
struct TEventLoop::Queue {
    std::thread::id owner = std::this_thread::get_id();
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> calls;
    std::vector<std::shared_ptr<Waiter>> waiters;
    bool closing = false;

    void Post(std::function<void()> call) {
        std::lock_guard<std::mutex> guard(mutex);
        if (closing)
            return;
        calls.push_back(std::move(call));
        wake.notify_one();
    }

    bool Synchronize(const std::function<void()>& call) {
        if (std::this_thread::get_id() == owner) {
            call();
            return true;
        }
        auto waiter = std::make_shared<Waiter>();
        {
            std::lock_guard<std::mutex> guard(mutex);
            if (closing)
                return false;
            waiters.push_back(waiter);
            calls.push_back([this, waiter, &call] {
                call();
                {
                    std::lock_guard<std::mutex> inner(mutex);
                    std::erase(waiters, waiter);
                }
                waiter->Finish(true);
            });
            wake.notify_one();
        }
        std::unique_lock<std::mutex> lock(waiter->mutex);
        waiter->done.wait(lock, [&] { return waiter->finished; });
        return waiter->ran;
    }
};

TEventLoop::TEventLoop() : queue_(std::make_shared<Queue>()) {}

TEventLoop::~TEventLoop() {
    std::vector<std::shared_ptr<Waiter>> waiting;
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard<std::mutex> guard(queue_->mutex);
        queue_->closing = true;
        waiting.swap(queue_->waiters);
        dropped.swap(queue_->calls);
    }
    for (auto& waiter : waiting)
        waiter->Finish(false);
}

void TEventLoop::Post(std::function<void()> call) {
    queue_->Post(std::move(call));
}

bool TEventLoop::Synchronize(const std::function<void()>& call) {
    return queue_->Synchronize(call);
}

std::function<void(const std::function<void()>&)> TEventLoop::HandOver() const {
    return [queue = queue_](const std::function<void()>& call) { queue->Synchronize(call); };
}

int TEventLoop::AddTimer(std::chrono::milliseconds interval, std::function<void()> onTick) {
    timers_.push_back(Timer{interval, std::move(onTick), false, Clock::now()});
    return static_cast<int>(timers_.size()) - 1;
}

void TEventLoop::SetTimerEnabled(int timer, bool enabled) {
    Timer& t = timers_.at(static_cast<size_t>(timer));
    if (enabled && !t.enabled)
        t.due = Clock::now() + t.interval;
    t.enabled = enabled;
}

void TEventLoop::FireDueTimers() {
    auto now = Clock::now();
    for (size_t i = 0; i < timers_.size(); ++i) {
        if (!timers_[i].enabled || timers_[i].due > now)
            continue;
        timers_[i].due = now + timers_[i].interval;
        auto tick = timers_[i].onTick; // a tick may add timers
        tick();
    }
}

bool TEventLoop::RunOnce(Clock::time_point until) {
    for (const Timer& t : timers_)
        if (t.enabled)
            until = std::min(until, t.due);
    std::function<void()> call;
    {
        std::unique_lock<std::mutex> lock(queue_->mutex);
        queue_->wake.wait_until(lock, until, [&] { return !queue_->calls.empty(); });
        if (!queue_->calls.empty()) {
            call = std::move(queue_->calls.front());
            queue_->calls.pop_front();
        }
    }
    if (call)
        call();
    FireDueTimers();
    return static_cast<bool>(call);
}

bool TEventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    auto deadline = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= deadline)
            return false;
        RunOnce(deadline);
    }
    return true;
}

void TEventLoop::RunFor(std::chrono::milliseconds duration) {
    RunUntil([] { return false; }, duration);
}

void TEventLoop::ProcessPending() {
    while (RunOnce(Clock::now())) {
    }
}
