#include "serial/CommEventThread.h"

#include <thread>

TCommEventThread::TCommEventThread(std::unique_ptr<TCommEventWaiter> waiter, uint32_t suspendTime,
                                   TSynchronize synchronize)
    : waiter_(std::move(waiter)), suspendTime_(suspendTime), synchronize_(std::move(synchronize)) {
    (void)suspendTime_;
    if (!synchronize_)
        synchronize_ = [](const std::function<void()>& call) { call(); };
}

void TCommEventThread::Start(TEventNotify notification, std::function<void()> lost) {
    notification_ = std::move(notification);
    lost_ = std::move(lost);
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

void TCommEventThread::Stop() {
    stop_ = true;
    {
        std::lock_guard<std::recursive_mutex> guard(notifyLock_);
        notification_ = nullptr;
        lost_ = nullptr;
    }
    waiter_->Wake();
}

void TCommEventThread::Execute() {
    auto self = shared_from_this();
    while (!stop_) {
        TCommEventWaiter::Result result = waiter_->Wait();
        if (stop_)
            break;
        if (result.DeviceLost) {
            synchronize_([self] { self->NotifyLost(); });
            break;
        }
        if (result.Events != 0) {
            uint32_t mask = result.Events;
            synchronize_([self, mask] { self->Notify(mask); });
        }
    }
    // No purge here: the component may already have reopened the same device, and
    // purging through this thread's handle would discard the new session's data.
}

void TCommEventThread::Notify(uint32_t mask) {
    std::lock_guard<std::recursive_mutex> guard(notifyLock_);
    // A copy, because a handler may call Close, which clears notification_.
    TEventNotify notify = notification_;
    if (notify)
        notify(mask);
}

void TCommEventThread::NotifyLost() {
    std::lock_guard<std::recursive_mutex> guard(notifyLock_);
    std::function<void()> lost = lost_;
    if (lost)
        lost();
}
