// inotify watches on folders that may not exist yet, or may go away and come back
// (udev makes /dev/serial/by-id for the first USB serial device and removes it with the
// last; the simulator removes its folder when its last port goes). While a folder is
// missing, its nearest existing ancestor is watched for the next step of its path.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TFolderWatchSet {
public:
    using TNameFilter = std::function<bool(std::string_view name)>;

    TFolderWatchSet();
    ~TFolderWatchSet();
    TFolderWatchSet(const TFolderWatchSet&) = delete;
    TFolderWatchSet& operator=(const TFolderWatchSet&) = delete;

    // The inotify descriptor to poll for reading; -1 when inotify is unavailable.
    int Fd() const { return fd_; }

    // Watches `folder` for the events of `mask` (IN_CREATE, IN_DELETE, ...) on entries
    // that `accept` takes (all entries when it is empty).
    void Add(const std::string& folder, uint32_t mask, TNameFilter accept = {});

    // Reads the events waiting, without blocking. True when one of them is a change: an
    // event on an accepted entry, a watched folder appearing or going, or events lost.
    bool ReadChanges();

private:
    struct TTarget {
        std::string Folder;
        uint32_t Mask = 0;
        TNameFilter Accept;
        int Wd = -1;            // the folder itself, while it exists
        int AncestorWd = -1;    // its nearest existing ancestor, while it does not
        std::string NextOnPath; // the ancestor's entry on the way to the folder
    };

    void Arm(TTarget& target);
    void Disarm(TTarget& target);
    void ReleaseWatch(int wd);
    bool Handle(uint32_t mask, int wd, std::string_view name);

    int fd_ = -1;
    std::vector<TTarget> targets_;
};
