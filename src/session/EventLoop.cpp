#include "session/EventLoop.h"

#include <algorithm>

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

TEventLoop::TEventLoop() : owner_(std::this_thread::get_id()) {}

TEventLoop::~TEventLoop() {
    std::vector<std::shared_ptr<Waiter>> waiting;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        closing_ = true;
        waiting.swap(waiters_);
        queue_.clear();
    }
    for (auto& waiter : waiting)
        waiter->Finish(false);
}

void TEventLoop::Post(std::function<void()> call) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (closing_)
            return;
        queue_.push_back(std::move(call));
    }
    wake_.notify_one();
}

bool TEventLoop::Synchronize(const std::function<void()>& call) {
    if (std::this_thread::get_id() == owner_) {
        call();
        return true;
    }
    auto waiter = std::make_shared<Waiter>();
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (closing_)
            return false;
        waiters_.push_back(waiter);
        queue_.push_back([this, waiter, &call] {
            call();
            {
                std::lock_guard<std::mutex> inner(mutex_);
                std::erase(waiters_, waiter);
            }
            waiter->Finish(true);
        });
    }
    wake_.notify_one();
    std::unique_lock<std::mutex> lock(waiter->mutex);
    waiter->done.wait(lock, [&] { return waiter->finished; });
    return waiter->ran;
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
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait_until(lock, until, [&] { return !queue_.empty(); });
        if (!queue_.empty()) {
            call = std::move(queue_.front());
            queue_.pop_front();
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
