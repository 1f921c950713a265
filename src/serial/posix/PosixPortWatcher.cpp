#include "serial/PortWatcher.h"
#include "serial/posix/FolderWatch.h"
#include "serial/posix/PortScan.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr uint32_t kEntryEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

bool IsTty(std::string_view name) {
    return name.substr(0, 3) == "tty";
}

TPortWatchFolders SystemFolders() {
    TPortRoots roots = SystemPortRoots();
    return {roots.Dev, roots.ById, roots.Simulator};
}

} // namespace

// Shared by the watcher and its thread. The thread is detached and ends by itself once
// asked to stop, so that stopping never waits for its wait.
struct TPortWatcher::TState {
    TState() : wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~TState() {
        if (wakeFd >= 0)
            close(wakeFd);
    }
    TState(const TState&) = delete;
    TState& operator=(const TState&) = delete;

    void Run() {
        while (!stop) {
            pollfd fds[2] = {{folders.Fd(), POLLIN, 0}, {wakeFd, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR)
                return;
            if (stop || (fds[0].revents & (POLLERR | POLLNVAL)))
                return;
            if (!(fds[0].revents & POLLIN) || !folders.ReadChanges())
                continue;
            std::lock_guard<std::recursive_mutex> guard(handlerLock);
            // A copy: the callback may call Stop, which drops the stored one.
            TChangeHandler handler = onChange;
            if (!stop && handler)
                handler();
        }
    }

    void Wake() const {
        uint64_t one = 1;
        if (write(wakeFd, &one, sizeof one) < 0) {
            // The counter is saturated, so a wake-up is pending anyway.
        }
    }

    TFolderWatchSet folders;
    int wakeFd;
    std::atomic<bool> stop{false};
    std::recursive_mutex handlerLock;
    TChangeHandler onChange;
};

TPortWatcher::TPortWatcher(TChangeHandler onChange)
    : TPortWatcher(std::move(onChange), SystemFolders()) {}

TPortWatcher::TPortWatcher(TChangeHandler onChange, const TPortWatchFolders& folders)
    : state_(std::make_shared<TState>()) {
    state_->onChange = std::move(onChange);
    // Made now, as the simulator would, so that its ports are watched directly.
    mkdir(folders.Simulator.c_str(), 0700);
    state_->folders.Add(folders.Dev, kEntryEvents | IN_ATTRIB, IsTty);
    state_->folders.Add(folders.ById, kEntryEvents);
    state_->folders.Add(folders.Simulator, kEntryEvents);
    if (state_->folders.Fd() >= 0 && state_->wakeFd >= 0)
        std::thread([state = state_] { state->Run(); }).detach();
}

TPortWatcher::~TPortWatcher() {
    Stop();
}

void TPortWatcher::Stop() {
    state_->stop = true;
    {
        std::lock_guard<std::recursive_mutex> guard(state_->handlerLock);
        state_->onChange = nullptr;
    }
    state_->Wake();
}
