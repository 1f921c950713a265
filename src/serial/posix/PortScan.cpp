#include "serial/posix/PortScan.h"

#include "serial/posix/ComNumberArbiter.h"
#include "serial/posix/SysfsTty.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The port selector's names fit 128 bytes with their terminator.
constexpr size_t kMaxFriendlyName = 127;
constexpr int kHighestComNumber = 255;

constexpr char kUsbSerialLabel[] = "USB Serial Port";
constexpr char kUsbModemLabel[] = "USB Communications Port";
constexpr char kOnBoardLabel[] = "Communications Port";
constexpr char kSimulatorLabel[] = "T360KV Simulator ";
constexpr char kSimulatorIdentity[] = "sim:";

struct TFoundPort {
    std::string Label; // the friendly name before " (COM<n>)"
    std::string DevicePath;
    std::string Identity; // the key of the COM number table; unused with a fixed number
    int FixedNumber = 0;
    TComNumberRange Range = kDeviceComNumbers;
};

struct TByIdLink {
    std::string Name;
    std::string Target;
};

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// "ttyUSB3" with the prefix "ttyUSB" gives "3"; empty when the name is not of that form.
std::string_view NodeNumber(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix || !AllDigits(name.substr(prefix.size())))
        return {};
    return name.substr(prefix.size());
}

// The entries of a folder, sorted; false when it cannot be read.
bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return true;
}

bool IsSymlink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The by-id links by the name of the device node they lead to. A node with several
// links keeps the first name in sorted order, so its identity does not change.
std::map<std::string, TByIdLink> ReadByIdLinks(const std::string& folder) {
    std::map<std::string, TByIdLink> links;
    std::vector<std::string> names;
    ListFolder(folder, names);
    for (const std::string& name : names) {
        std::string path = folder + "/" + name;
        std::error_code error;
        fs::path target = fs::canonical(path, error);
        if (!IsSymlink(path) || error)
            continue;
        links.try_emplace(target.filename().string(), TByIdLink{name, target.string()});
    }
    return links;
}

std::string UsbLabel(const TSysfsTty& tty, const std::string& fallback) {
    const std::string& maker = tty.UsbManufacturer;
    const std::string& product = tty.UsbProduct;
    if (product.empty())
        return maker.empty() ? fallback : maker + " " + fallback;
    if (maker.empty() || product.rfind(maker, 0) == 0)
        return product;
    return maker + " " + product;
}

TFoundPort UsbPort(const TPortRoots& roots, const std::string& node, const std::string& devicePath,
                   const std::string& byIdName, const std::string& fallbackLabel) {
    TSysfsTty tty = ReadSysfsTty(roots.Sys, node);
    TFoundPort port;
    port.Label = UsbLabel(tty, fallbackLabel);
    port.DevicePath = devicePath;
    if (!byIdName.empty())
        port.Identity = byIdName;
    else if (!tty.DevicePath.empty())
        port.Identity = tty.DevicePath;
    else
        port.Identity = "/dev/" + node;
    return port;
}

// ttyS<n> is COM<n+1>, when a UART is really there.
void AddOnBoardPort(const TPortRoots& roots, const std::string& node, std::string_view digits,
                    std::vector<TFoundPort>& found) {
    if (digits.size() > 3)
        return;
    int number = std::atoi(std::string(digits).c_str()) + 1;
    TSysfsTty tty = ReadSysfsTty(roots.Sys, node);
    if (number > kHighestComNumber || tty.DevicePath.empty() || tty.UartType == 0)
        return;
    TFoundPort port;
    port.Label = kOnBoardLabel;
    port.DevicePath = roots.Dev + "/" + node;
    port.FixedNumber = number;
    found.push_back(port);
}

// Only a folder of this user counts: in /tmp anybody could have made one first.
void AddSimulatorPorts(const std::string& folder, std::vector<TFoundPort>& found) {
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return;
    std::vector<std::string> names;
    ListFolder(folder, names);
    for (const std::string& name : names) {
        std::string path = folder + "/" + name;
        // A link whose pseudo-terminal is gone was left by a simulator that died.
        if (!IsSymlink(path) || stat(path.c_str(), &info) != 0)
            continue;
        TFoundPort port;
        port.Label = kSimulatorLabel + name;
        port.DevicePath = path;
        port.Identity = kSimulatorIdentity + name;
        port.Range = kSimulatorComNumbers;
        found.push_back(port);
    }
}

std::string FriendlyName(std::string label, int number) {
    std::string suffix = " (COM" + std::to_string(number) + ")";
    if (label.size() + suffix.size() > kMaxFriendlyName) {
        label.resize(kMaxFriendlyName - suffix.size());
        // Not half a UTF-8 character, and no blank before the parenthesis.
        while (!label.empty() && (static_cast<unsigned char>(label.back()) & 0xC0) == 0x80)
            label.pop_back();
        if (!label.empty() && static_cast<unsigned char>(label.back()) >= 0xC0)
            label.pop_back();
        while (!label.empty() && label.back() == ' ')
            label.pop_back();
    }
    return label + suffix;
}

void Number(const TPortRoots& roots, const std::vector<TFoundPort>& found,
            std::vector<TPortEntry>& ports) {
    std::set<int> fixedNumbers;
    std::vector<TComNumberRequest> requests;
    for (const TFoundPort& port : found) {
        if (port.FixedNumber != 0)
            fixedNumbers.insert(port.FixedNumber);
        else
            requests.push_back({port.Identity, port.Range});
    }
    std::vector<int> numbers = AssignComNumbers(roots.ComNumberFile, requests, fixedNumbers);
    ports.clear();
    size_t next = 0;
    for (const TFoundPort& port : found) {
        int number = port.FixedNumber != 0 ? port.FixedNumber : numbers[next++];
        if (number != 0)
            ports.push_back({FriendlyName(port.Label, number), port.DevicePath, number});
    }
    std::stable_sort(ports.begin(), ports.end(), [](const TPortEntry& a, const TPortEntry& b) {
        return a.ComNumber < b.ComNumber;
    });
}

// The n of "\\.\COM<n>" (COM in any case); 0 when it is too long to be a port number.
// False for other names.
bool ParseComDeviceName(const std::string& name, int& number) {
    constexpr std::string_view kPrefix = "\\\\.\\";
    std::string_view view = name;
    if (view.substr(0, kPrefix.size()) != kPrefix || view.size() < kPrefix.size() + 4)
        return false;
    std::string_view com = view.substr(kPrefix.size(), 3);
    std::string_view digits = view.substr(kPrefix.size() + 3);
    bool isCom = std::equal(com.begin(), com.end(), "COM", [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
    if (!isCom || !AllDigits(digits))
        return false;
    number = digits.size() > 3 ? 0 : std::atoi(std::string(digits).c_str());
    return true;
}

} // namespace

bool EnumerateSerialPorts(const TPortRoots& roots, std::vector<TPortEntry>& ports) {
    std::vector<std::string> nodes;
    if (!ListFolder(roots.Dev, nodes))
        return false;
    std::map<std::string, TByIdLink> byId = ReadByIdLinks(roots.ById);
    auto byIdName = [&](const std::string& node) {
        auto link = byId.find(node);
        return link == byId.end() ? std::string() : link->second.Name;
    };

    // Nodes dealt with, listed or left out; by-id adds only others. The kernel's
    // console port is busy with the console, and not to be disturbed even by a test-open.
    std::set<std::string> handled = ActiveConsoles(roots.Sys);
    std::vector<TFoundPort> found;
    for (const std::string& node : nodes) {
        if (handled.count(node))
            continue;
        std::string devicePath = roots.Dev + "/" + node;
        if (!NodeNumber(node, "ttyUSB").empty()) {
            found.push_back(UsbPort(roots, node, devicePath, byIdName(node), kUsbSerialLabel));
            handled.insert(node);
        } else if (!NodeNumber(node, "ttyACM").empty()) {
            found.push_back(UsbPort(roots, node, devicePath, byIdName(node), kUsbModemLabel));
            handled.insert(node);
        } else if (std::string_view digits = NodeNumber(node, "ttyS"); !digits.empty()) {
            AddOnBoardPort(roots, node, digits, found);
            handled.insert(node);
        }
    }
    // USB serial drivers of their own name the node differently; by-id still finds them.
    for (const auto& [node, link] : byId) {
        if (!handled.count(node))
            found.push_back(UsbPort(roots, node, link.Target, link.Name, kUsbSerialLabel));
    }
    AddSimulatorPorts(roots.Simulator, found);
    Number(roots, found, ports);
    return true;
}

std::string ResolveDevicePath(const TPortRoots& roots, const std::string& deviceName) {
    int number = 0;
    if (!ParseComDeviceName(deviceName, number))
        return deviceName;
    std::vector<TPortEntry> ports;
    if (!EnumerateSerialPorts(roots, ports))
        return {};
    for (const TPortEntry& port : ports) {
        if (port.ComNumber == number)
            return port.DevicePath;
    }
    return {};
}
