#include "serial/posix/SysfsTty.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A USB serial tty's device is the port or the interface; the USB device, which holds
// the strings, is at most a few levels above it.
constexpr int kUsbDeviceSearchLevels = 4;

// The first line of an attribute, without surrounding blanks and with any control
// character made a blank; empty when there is no such attribute.
std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string text;
    std::getline(in, text);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool Inside(const fs::path& path, const fs::path& root) {
    fs::path relative = path.lexically_relative(root);
    return !relative.empty() && relative != "." && *relative.begin() != "..";
}

} // namespace

TSysfsTty ReadSysfsTty(const std::string& sysRoot, const std::string& ttyName) {
    TSysfsTty tty;
    std::error_code error;
    fs::path root = fs::canonical(sysRoot, error);
    if (error)
        return tty;
    fs::path ttyFolder = fs::path(sysRoot) / "class" / "tty" / ttyName;
    fs::path device = fs::canonical(ttyFolder / "device", error);
    if (error || !Inside(device, root))
        return tty;
    tty.DevicePath = "/sys/" + device.lexically_relative(root).generic_string();
    tty.UartType = std::atoi(ReadAttribute(ttyFolder / "type").c_str());

    fs::path folder = device;
    for (int level = 0; level < kUsbDeviceSearchLevels && Inside(folder, root); ++level) {
        if (fs::exists(folder / "idVendor", error)) {
            tty.UsbManufacturer = ReadAttribute(folder / "manufacturer");
            tty.UsbProduct = ReadAttribute(folder / "product");
            break;
        }
        folder = folder.parent_path();
    }
    return tty;
}

std::set<std::string> ActiveConsoles(const std::string& sysRoot) {
    std::istringstream names(ReadAttribute(fs::path(sysRoot) / "class/tty/console/active"));
    std::set<std::string> consoles;
    for (std::string name; names >> name;)
        consoles.insert(name);
    return consoles;
}
