#include "PortLink.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxDefaultNames = 100;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

void MakePrivateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        Fail("cannot create " + folder);
    // In /tmp someone else may have made the folder first.
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0)
        Fail("cannot examine " + folder);
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        errno = EPERM;
        Fail(folder + " is not a folder of this user");
    }
}

// A link whose target no longer exists was left by a simulator that did not end cleanly.
bool IsStaleLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
           stat(path.c_str(), &info) != 0 && errno == ENOENT;
}

// Creates the link unless the name is taken by something alive.
bool TryLink(const std::string& target, const std::string& path) {
    if (symlink(target.c_str(), path.c_str()) == 0)
        return true;
    if (errno != EEXIST)
        Fail("cannot create " + path);
    if (!IsStaleLink(path))
        return false;
    unlink(path.c_str());
    if (symlink(target.c_str(), path.c_str()) == 0)
        return true;
    if (errno != EEXIST)
        Fail("cannot create " + path);
    return false;
}

} // namespace

PortLink::PortLink(const std::string& folder, const std::string& name, const std::string& target)
    : folder_(folder) {
    MakePrivateFolder(folder);
    if (!name.empty()) {
        path_ = folder + "/" + name;
        if (!TryLink(target, path_)) {
            errno = EEXIST;
            Fail("cannot register " + path_);
        }
        return;
    }
    for (int n = 0; n < kMaxDefaultNames; ++n) {
        path_ = folder + "/ttySIM" + std::to_string(n);
        if (TryLink(target, path_))
            return;
    }
    errno = EEXIST;
    Fail("no free port name in " + folder);
}

PortLink::~PortLink() {
    unlink(path_.c_str());
    rmdir(folder_.c_str()); // fails, as it should, while other simulators have links there
}
