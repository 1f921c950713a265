// On Windows only a window is told of ports coming and going, by WM_DEVICECHANGE; the
// main window registers for it and filters the messages (PortNotifications.h). A
// watcher thread would have nothing to wait on, so this one does nothing.
#include "serial/PortWatcher.h"

struct TPortWatcher::TState {};

TPortWatcher::TPortWatcher(TChangeHandler) {}

TPortWatcher::TPortWatcher(TChangeHandler, const TPortWatchFolders&) {}

TPortWatcher::~TPortWatcher() = default;

void TPortWatcher::Stop() {}
