// The lock files that serial programs on Linux agree on (minicom, picocom, ModemManager,
// gpsd, ...): <lock folder>/LCK..<device>, holding the PID of the process that uses the
// device as ASCII digits padded to ten characters, and a newline. A lock whose process
// no longer exists is stale and may be taken over.
#pragma once

#include <memory>
#include <string>

// The folder of the lock files: /run/lock, or /var/lock where /run/lock is missing.
// Tests put their locks elsewhere with SetUucpLockFolder.
std::string UucpLockFolder();
void SetUucpLockFolder(const std::string& folder);

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3: the path below /dev
// with "/" made "_" (the last part of the path for a device outside /dev).
std::string UucpLockName(const std::string& devicePath);

// A lock file that this process holds; removed when the object goes.
class TUucpLock {
public:
    struct Attempt {
        std::unique_ptr<TUucpLock> Lock; // null when refused or when no lock can be made
        int HolderPid = 0;               // the live process that holds the lock, when refused
    };

    // Takes the lock of `devicePath` (a device node, links resolved) for this process,
    // after removing a stale one. Refused, with HolderPid set, while a live process (this
    // one included) holds it. Where the folder is missing or not writable no lock is made
    // and none refuses: the device is used without one, as nothing else can lock it
    // either.
    static Attempt Acquire(const std::string& folder, const std::string& devicePath);

    ~TUucpLock();
    TUucpLock(const TUucpLock&) = delete;
    TUucpLock& operator=(const TUucpLock&) = delete;

    const std::string& Path() const { return path_; }

private:
    explicit TUucpLock(std::string path) : path_(std::move(path)) {}

    std::string path_;
};

// The PID a lock file holds: -1 when there is no such file, 0 when it holds no number.
int ReadUucpLockPid(const std::string& path);
