#include "GuiHandOver.h"

#include <QObject>
#include <QThread>

#include <future>
#include <mutex>

// The receiver of queued calls, shared with every copy of the hand-over function so
// that a late caller finds it cleared instead of dangling.
struct GuiHandOver::Target {
    std::mutex lock;
    QObject* receiver = nullptr;
};

GuiHandOver::GuiHandOver() : target_(std::make_shared<Target>()) {
    target_->receiver = new QObject;
}

GuiHandOver::~GuiHandOver() {
    QObject* receiver = nullptr;
    {
        std::lock_guard<std::mutex> guard(target_->lock);
        receiver = target_->receiver;
        target_->receiver = nullptr;
    }
    // Deleting the receiver discards its queued calls; each discarded call breaks the
    // promise its caller waits on, which releases the caller.
    delete receiver;
}

TSynchronize GuiHandOver::Synchronize() const {
    return [target = target_](const std::function<void()>& call) {
        std::future<void> done;
        {
            // Held only while posting, never while calling or waiting: the GUI thread
            // takes it to clear the receiver.
            std::lock_guard<std::mutex> guard(target->lock);
            if (target->receiver == nullptr)
                return;
            if (QThread::currentThread() != target->receiver->thread()) {
                auto ran = std::make_shared<std::promise<void>>();
                done = ran->get_future();
                // Qt's queue orders the post before the call, through locks of Qt's own
                // that ThreadSanitizer does not see (Qt is not built with it). The call
                // takes the lock it was posted under before it reads what the caller
                // left, which states that order where the sanitizer sees it.
                QMetaObject::invokeMethod(
                    target->receiver,
                    [target, &call, ran] {
                        { std::lock_guard<std::mutex> posted(target->lock); }
                        call();
                        ran->set_value();
                    },
                    Qt::QueuedConnection);
            }
        }
        if (done.valid())
            done.wait();
        else
            call();
    };
}
