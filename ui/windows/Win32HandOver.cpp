#include "Win32Api.h"

#include "Win32HandOver.h"

#include <deque>
#include <future>
#include <mutex>

namespace {

constexpr UINT kRunQueuedCalls = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"T360KVHandOver";

struct QueuedCall {
    const std::function<void()>* call;
    std::promise<void> ran;
};

} // namespace

// Shared with every copy of the hand-over function, so that a late caller finds the
// window cleared instead of dangling.
struct TWin32HandOver::Target {
    std::mutex lock;
    HWND window = nullptr;
    DWORD guiThread = 0;
    std::deque<std::shared_ptr<QueuedCall>> queue;

    // On the GUI thread: runs the calls queued so far, each outside the lock.
    void RunQueued() {
        for (;;) {
            std::shared_ptr<QueuedCall> next;
            {
                std::lock_guard<std::mutex> guard(lock);
                if (queue.empty() || window == nullptr)
                    return;
                next = std::move(queue.front());
                queue.pop_front();
            }
            (*next->call)();
            next->ran.set_value();
        }
    }
};

namespace {

LRESULT CALLBACK HandOverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunQueuedCalls) {
        auto* target =
            reinterpret_cast<TWin32HandOver::Target*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (target != nullptr)
            target->RunQueued();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterHandOverClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = HandOverProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

TWin32HandOver::TWin32HandOver() : target_(std::make_shared<Target>()) {
    RegisterHandOverClass();
    target_->guiThread = GetCurrentThreadId();
    target_->window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(target_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target_.get()));
}

TWin32HandOver::~TWin32HandOver() {
    HWND window = nullptr;
    std::deque<std::shared_ptr<QueuedCall>> discarded;
    {
        std::lock_guard<std::mutex> guard(target_->lock);
        window = target_->window;
        target_->window = nullptr;
        discarded.swap(target_->queue);
    }
    DestroyWindow(window);
    // Each discarded call breaks the promise its caller waits on, which releases the
    // caller without running the call.
}

TSynchronize TWin32HandOver::Synchronize() const {
    return [target = target_](const std::function<void()>& call) {
        std::future<void> done;
        {
            // Held only while queueing, never while calling or waiting: the GUI thread
            // takes it to run the queue and to clear the window.
            std::lock_guard<std::mutex> guard(target->lock);
            if (target->window == nullptr)
                return;
            if (GetCurrentThreadId() != target->guiThread) {
                auto queued = std::make_shared<QueuedCall>();
                queued->call = &call;
                done = queued->ran.get_future();
                target->queue.push_back(queued);
                // A full message queue drops the notice; the next one runs this call too.
                PostMessageW(target->window, kRunQueuedCalls, 0, 0);
            }
        }
        if (done.valid())
            done.wait();
        else
            call();
    };
}
