#include "serial/posix/UucpLock.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kAttempts = 3; // another program may take or drop the lock meanwhile

std::mutex folderLock;
std::string chosenFolder; // empty: the system's

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ProcessAlive(int pid) {
    return kill(pid, 0) == 0 || errno == EPERM;
}

// Writes this process's lock into a file of its own and links it into place, so that
// the lock file appears whole or not at all. 0, EEXIST when another lock is there, or
// the error that keeps a lock from being made.
int CreateLock(const std::string& folder, const std::string& path) {
    const std::string own = folder + "/.LTMP." + std::to_string(getpid());
    int fd = open(own.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    char text[16];
    int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
    bool written = write(fd, text, static_cast<size_t>(length)) == length;
    int error = written ? 0 : errno;
    close(fd);
    if (written)
        error = link(own.c_str(), path.c_str()) == 0 ? 0 : errno;
    unlink(own.c_str());
    return error;
}

} // namespace

std::string UucpLockFolder() {
    {
        std::lock_guard<std::mutex> guard(folderLock);
        if (!chosenFolder.empty())
            return chosenFolder;
    }
    return IsFolder("/run/lock") ? "/run/lock" : "/var/lock";
}

void SetUucpLockFolder(const std::string& folder) {
    std::lock_guard<std::mutex> guard(folderLock);
    chosenFolder = folder;
}

std::string UucpLockName(const std::string& devicePath) {
    std::string name = devicePath;
    if (name.rfind("/dev/", 0) == 0)
        name.erase(0, 5);
    else if (auto slash = name.rfind('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    for (char& c : name)
        if (c == '/')
            c = '_';
    return "LCK.." + name;
}

int ReadUucpLockPid(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? -1 : 0;
    char text[32] = {};
    ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0)
        return 0;
    char* end = nullptr;
    long pid = std::strtol(text, &end, 10);
    return end != text && pid > 0 && pid <= 0x3FFFFFFF ? static_cast<int>(pid) : 0;
}

TUucpLock::Attempt TUucpLock::Acquire(const std::string& folder, const std::string& devicePath) {
    const std::string path = folder + "/" + UucpLockName(devicePath);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int pid = ReadUucpLockPid(path);
        if (pid > 0 && ProcessAlive(pid))
            return {nullptr, pid};
        // Left by a process that is gone, or no lock at all (a file without a number is
        // what a crashed writer leaves).
        if (pid >= 0 && unlink(path.c_str()) != 0 && errno != ENOENT)
            return {};
        int error = CreateLock(folder, path);
        if (error == 0)
            return {std::unique_ptr<TUucpLock>(new TUucpLock(path)), 0};
        if (error != EEXIST)
            return {};
    }
    return {};
}

TUucpLock::~TUucpLock() {
    // Only this process's own lock: never one that another program has taken since.
    if (ReadUucpLockPid(path_) == getpid())
        unlink(path_.c_str());
}
