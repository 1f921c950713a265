// The port selector: the ports present, their refresh when ports come and go, and the
// device behind the selected entry.
#include "app/Mainform.h"
#include "app/PortNames.h"

namespace {
constexpr char kNotSelected[] = "- NOT SELECTED -";
constexpr int kDeviceChangeDebounceTicks = 4;
} // namespace

void TForm1::EnumeratePorts() {
    std::vector<std::string> names;
    if (!ports_->Enumerate(names))
        return;
    PortNames.clear();
    for (const std::string& name : names) {
        if (PortCount() == kMaxPorts)
            break;
        if (name.find("(COM") != std::string::npos)
            PortNames.push_back(name);
    }
}

void TForm1::FillPortSelector() {
    view_.ListClear(TControl::cbxDeviceComEnum);
    if (PortNames.empty()) {
        view_.ListAdd(TControl::cbxDeviceComEnum, kNotSelected);
        view_.SetItemIndex(TControl::cbxDeviceComEnum, -1);
        return;
    }
    for (const std::string& name : PortNames)
        view_.ListAdd(TControl::cbxDeviceComEnum, name);
    view_.SetItemIndex(TControl::cbxDeviceComEnum, 0); // the list is sorted
}

std::string TForm1::SelectedPortText() {
    int index = view_.ItemIndex(TControl::cbxDeviceComEnum);
    return index < 0 ? std::string() : view_.ListItem(TControl::cbxDeviceComEnum, index);
}

bool TForm1::SelectPortEntry(const std::string& text) {
    std::vector<std::string> entries;
    for (int i = 0; i < view_.ListCount(TControl::cbxDeviceComEnum); ++i)
        entries.push_back(view_.ListItem(TControl::cbxDeviceComEnum, i));
    int index = PortEntrySelectedBy(text, entries,
                                    [this](int n) { return ports_->DevicePath(ComDeviceName(n)); });
    if (index < 0)
        return false;
    view_.SetItemIndex(TControl::cbxDeviceComEnum, index);
    return true;
}

bool TForm1::PortUsable(std::string* reason) {
    int n = ComNumberOf(SelectedPortText());
    std::string why;
    bool usable = n >= 0 && ports_->CanOpen(ComDeviceName(n), why);
    if (reason != nullptr)
        *reason = why;
    return usable;
}

int TForm1::SelectPortDevice() {
    // The number is read after "(COM", not after the first "COM": a driver name may
    // hold those letters too.
    int n = ComNumberOf(SelectedPortText());
    if (n < 1 || n > 255)
        return -1;
    comm_->SetDeviceName(ComDeviceName(n));
    return n;
}

void TForm1::CheckConnectedPortPresent() {
    if (PortNumber == 0) // opened by device path, not from the list
        return;
    std::string tag = "(COM" + std::to_string(PortNumber) + ")";
    for (const std::string& name : PortNames)
        if (name.find(tag) != std::string::npos)
            return;
    ToggleConnection();
}

void TForm1::DebounceDeviceChange() {
    if (DeviceChangePending)
        ++DeviceChangeTicks;
    if (DeviceChangeTicks < kDeviceChangeDebounceTicks)
        return;
    DeviceChangePending = false;
    DeviceChangeTicks = 0;
    EnumeratePorts();
    if (!PortOpen)
        FillPortSelector();
    else
        CheckConnectedPortPresent();
}
