#include "serial/posix/FolderWatch.h"

#include <cerrno>
#include <filesystem>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Several targets may share one watch (/dev holds ports and is the ancestor of
// /dev/serial/by-id), so every watch adds to the mask it has.
constexpr uint32_t kEveryWatch = IN_ONLYDIR | IN_MASK_ADD | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED;
constexpr uint32_t kEntryAppeared = IN_CREATE | IN_MOVED_TO;
// A folder made and removed again while its watch is set up, again and again, is left
// to the ancestor's watch.
constexpr int kArmAttempts = 8;

bool IsFolder(const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

TFolderWatchSet::TFolderWatchSet() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

TFolderWatchSet::~TFolderWatchSet() {
    if (fd_ >= 0)
        close(fd_);
}

void TFolderWatchSet::Add(const std::string& folder, uint32_t mask, TNameFilter accept) {
    fs::path path = fs::path(folder).lexically_normal();
    if (!path.has_filename() && path.has_parent_path() && path != path.root_path())
        path = path.parent_path(); // "a/b/" names the folder "a/b"
    TTarget& target = targets_.emplace_back();
    target.Folder = path.string();
    target.Mask = mask;
    target.Accept = std::move(accept);
    Arm(target);
}

void TFolderWatchSet::Arm(TTarget& target) {
    if (fd_ < 0)
        return;
    for (int attempt = 0; attempt < kArmAttempts; ++attempt) {
        target.Wd = inotify_add_watch(fd_, target.Folder.c_str(), target.Mask | kEveryWatch);
        if (target.Wd >= 0)
            return;
        fs::path missing = target.Folder;
        fs::path ancestor = missing.parent_path();
        for (;;) {
            target.AncestorWd =
                inotify_add_watch(fd_, ancestor.c_str(), kEntryAppeared | kEveryWatch);
            if (target.AncestorWd >= 0)
                break;
            if (ancestor == ancestor.parent_path())
                return; // not even the root can be watched
            missing = ancestor;
            ancestor = ancestor.parent_path();
        }
        target.NextOnPath = missing.filename().string();
        // Made before the ancestor's watch began: its creation will not be reported.
        if (!IsFolder(ancestor / target.NextOnPath) || attempt + 1 == kArmAttempts)
            return;
        Disarm(target);
    }
}

void TFolderWatchSet::Disarm(TTarget& target) {
    int wd = target.Wd;
    int ancestorWd = target.AncestorWd;
    target.Wd = -1;
    target.AncestorWd = -1;
    target.NextOnPath.clear();
    ReleaseWatch(wd);
    ReleaseWatch(ancestorWd);
}

void TFolderWatchSet::ReleaseWatch(int wd) {
    if (wd < 0)
        return;
    for (const TTarget& target : targets_) {
        if (target.Wd == wd || target.AncestorWd == wd)
            return;
    }
    inotify_rm_watch(fd_, wd); // fails harmlessly when the folder took its watch along
}

bool TFolderWatchSet::Handle(uint32_t mask, int wd, std::string_view name) {
    bool change = false;
    for (TTarget& target : targets_) {
        if ((mask & IN_Q_OVERFLOW) || (wd == target.Wd && (mask & kFolderGone))) {
            Disarm(target);
            Arm(target);
            change = true;
        } else if (wd == target.Wd) {
            if ((mask & target.Mask) && (!target.Accept || target.Accept(name)))
                change = true;
        } else if (wd == target.AncestorWd &&
                   ((mask & kFolderGone) ||
                    ((mask & kEntryAppeared) && name == target.NextOnPath))) {
            Disarm(target);
            Arm(target);
            // A folder that appears may hold ports already.
            change = change || target.Wd >= 0;
        }
    }
    return change;
}

bool TFolderWatchSet::ReadChanges() {
    if (fd_ < 0)
        return false;
    bool change = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return change;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            std::string_view name = event->len > 0 ? std::string_view(event->name) : "";
            change = Handle(event->mask, event->wd, name) || change;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}
