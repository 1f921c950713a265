// Notices serial ports appearing and disappearing, and says so through a callback.
//
// On Linux a thread of the watcher's own waits on inotify for changes in /dev (tty*
// entries), in /dev/serial/by-id and in the simulator's folder, and calls the callback
// on that thread; the callback is to note the change and return (the main window sets
// DeviceChangePending), never to wait for another thread. On Windows the main window is
// told by WM_DEVICECHANGE (see win32/PortNotifications.h), so the watcher does nothing
// there.
#pragma once

#include <functional>
#include <memory>
#include <string>

// What the Linux watcher watches; tests give folders of their own.
struct TPortWatchFolders {
    std::string Dev;       // only entries named tty* count
    std::string ById;      // may not exist yet; watched from its nearest ancestor until then
    std::string Simulator; // created (mode 0700) when missing, as the simulator does
};

class TPortWatcher {
public:
    using TChangeHandler = std::function<void()>;

    // Watches this system's ports.
    explicit TPortWatcher(TChangeHandler onChange);
    TPortWatcher(TChangeHandler onChange, const TPortWatchFolders& folders);
    // Stops.
    ~TPortWatcher();
    TPortWatcher(const TPortWatcher&) = delete;
    TPortWatcher& operator=(const TPortWatcher&) = delete;

    // After Stop returns the callback is not called again. Stop never waits for the
    // thread's wait to end, only for a callback that is running, and may be called from
    // the callback itself.
    void Stop();

private:
    struct TState;
    std::shared_ptr<TState> state_;
};
