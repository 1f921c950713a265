#include "FakePortTree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr char kUsbHost[] = "devices/pci0000:00/0000:00:14.0/usb1";

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

} // namespace

FakePortTree::FakePortTree() {
    char folder[] = "/tmp/t360kv-ports-XXXXXX";
    if (!mkdtemp(folder))
        throw std::runtime_error("mkdtemp failed");
    root_ = folder;
    for (const char* sub : {"dev", "sys/class/tty", "sim"})
        fs::create_directories(root_ + "/" + sub);
    fs::permissions(root_ + "/sim", fs::perms::owner_all, fs::perm_options::replace);
}

FakePortTree::~FakePortTree() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

TPortRoots FakePortTree::Roots() const {
    return {root_ + "/dev", root_ + "/sys", root_ + "/dev/serial/by-id", root_ + "/sim",
            root_ + "/config/t360kv/com-ports"};
}

// As on a real system: /sys/class/tty/<node> leads to <device>/tty/<node>, whose
// "device" leads back up to <device>.
void FakePortTree::MakeTty(const std::string& node, const std::string& deviceFolder) {
    WriteFile(DevPath(node), "");
    fs::path ttyFolder = fs::path(root_) / "sys" / deviceFolder / "tty" / node;
    fs::create_directories(ttyFolder);
    fs::create_directory_symlink("../..", ttyFolder / "device");
    fs::create_directory_symlink("../../" + deviceFolder + "/tty/" + node,
                                 fs::path(root_) / "sys/class/tty" / node);
}

void FakePortTree::PlugUsb(const std::string& node, const std::string& socket,
                           const std::string& manufacturer, const std::string& product) {
    fs::path usbDevice = fs::path(root_) / "sys" / kUsbHost / socket;
    WriteFile(usbDevice / "idVendor", "0403\n");
    if (!manufacturer.empty())
        WriteFile(usbDevice / "manufacturer", manufacturer + "\n");
    if (!product.empty())
        WriteFile(usbDevice / "product", product + "\n");
    std::string interface = std::string(kUsbHost) + "/" + socket + "/" + socket + ":1.0";
    bool modem = node.rfind("ttyACM", 0) == 0;
    MakeTty(node, modem ? interface : interface + "/" + node);
}

void FakePortTree::AddByIdLink(const std::string& name, const std::string& node) {
    fs::create_directories(root_ + "/dev/serial/by-id");
    fs::create_symlink("../../" + node, root_ + "/dev/serial/by-id/" + name);
}

void FakePortTree::Unplug(const std::string& node) {
    fs::path classEntry = fs::path(root_) / "sys/class/tty" / node;
    fs::remove_all(fs::canonical(classEntry / "device"));
    fs::remove(classEntry);
    fs::remove(DevPath(node));
    std::error_code missing;
    for (const auto& link : fs::directory_iterator(root_ + "/dev/serial/by-id", missing)) {
        if (fs::read_symlink(link.path()).filename() == node)
            fs::remove(link.path());
    }
}

void FakePortTree::AddOnBoard(const std::string& node, int uartType, bool withDevice) {
    if (!withDevice) {
        AddVirtualNode(node);
        WriteFile(fs::path(root_) / "sys/devices/virtual/tty" / node / "type",
                  std::to_string(uartType) + "\n");
        return;
    }
    MakeTty(node, "devices/platform/serial8250");
    WriteFile(fs::path(root_) / "sys/devices/platform/serial8250/tty" / node / "type",
              std::to_string(uartType) + "\n");
}

void FakePortTree::AddVirtualNode(const std::string& node) {
    WriteFile(DevPath(node), "");
    fs::path ttyFolder = fs::path(root_) / "sys/devices/virtual/tty" / node;
    fs::create_directories(ttyFolder);
    fs::create_directory_symlink("../../devices/virtual/tty/" + node,
                                 fs::path(root_) / "sys/class/tty" / node);
}

void FakePortTree::SetConsoles(const std::string& names) {
    WriteFile(fs::path(root_) / "sys/devices/virtual/tty/console/active", names + "\n");
    fs::create_directory_symlink("../../devices/virtual/tty/console",
                                 fs::path(root_) / "sys/class/tty/console");
}

void FakePortTree::AddSimulatorLink(const std::string& link, bool targetExists) {
    std::string target = root_ + "/pts/" + link;
    if (targetExists)
        WriteFile(target, "");
    fs::create_symlink(target, SimulatorPath(link));
}
