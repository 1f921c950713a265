#include "serial/posix/PortHolders.h"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Pseudo-terminal slaves are numbered on from major 136 (UNIX98_PTY_SLAVE_MAJOR) through
// the 20 bits of minor numbers of each major.
constexpr unsigned kFirstPtySlaveMajor = 136;
constexpr unsigned kLastPtySlaveMajor = 143;
constexpr unsigned kMinorsPerMajor = 1u << 20;

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::vector<std::string> NumericEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (dirent* entry = readdir(dir))
        if (AllDigits(entry->d_name))
            names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

std::string LinkTarget(const std::string& link) {
    char target[4096];
    ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

// The pseudo-terminal number that a master descriptor serves ("tty-index" in its
// fdinfo); -1 when the descriptor is no master or the kernel does not say.
int MasterIndex(const std::string& processFolder, const std::string& fd) {
    std::ifstream info(processFolder + "/fdinfo/" + fd);
    std::string line;
    constexpr std::string_view kKey = "tty-index:";
    while (std::getline(info, line))
        if (line.rfind(kKey, 0) == 0)
            return std::atoi(line.c_str() + kKey.size());
    return -1;
}

struct TDevice {
    dev_t Number = 0;
    int PtyIndex = -1; // the n of /dev/pts/<n>, -1 for any other device
};

// What one process holds of the device: the device itself, and the master of its
// pseudo-terminal.
struct THolding {
    bool Device = false;
    bool Master = false;
};

THolding Holding(const std::string& processFolder, const TDevice& device) {
    THolding holding;
    const std::string fdFolder = processFolder + "/fd";
    for (const std::string& fd : NumericEntries(fdFolder)) {
        std::string target = LinkTarget(fdFolder + "/" + fd);
        // Only descriptors of device nodes are looked at closer; sockets, pipes and
        // files are by far the most and never the device.
        if (target.rfind("/dev/", 0) != 0)
            continue;
        struct stat info {};
        if (stat((fdFolder + "/" + fd).c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
            continue;
        if (info.st_rdev == device.Number)
            holding.Device = true;
        else if (device.PtyIndex >= 0 && target.find("ptmx") != std::string::npos &&
                 MasterIndex(processFolder, fd) == device.PtyIndex)
            holding.Master = true;
    }
    return holding;
}

} // namespace

std::vector<TPortHolder> OtherPortHolders(const std::string& devicePath) {
    std::vector<TPortHolder> holders;
    struct stat info {};
    if (stat(devicePath.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
        return holders;
    TDevice device;
    device.Number = info.st_rdev;
    unsigned major = major(info.st_rdev);
    if (major >= kFirstPtySlaveMajor && major <= kLastPtySlaveMajor)
        device.PtyIndex =
            static_cast<int>((major - kFirstPtySlaveMajor) * kMinorsPerMajor + minor(info.st_rdev));
    const std::string self = std::to_string(getpid());
    for (const std::string& pid : NumericEntries("/proc")) {
        if (pid == self)
            continue;
        THolding holding = Holding("/proc/" + pid, device);
        if (holding.Device && !holding.Master) {
            int number = std::atoi(pid.c_str());
            holders.push_back({number, ProcessName(number)});
        }
    }
    return holders;
}

std::string ProcessName(int pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string DescribeProcess(int pid, const std::string& name) {
    std::string text = "PID " + std::to_string(pid);
    return name.empty() ? text : name + " (" + text + ")";
}
