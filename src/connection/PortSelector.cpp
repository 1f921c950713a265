// The connection bar's port selector: the ports present, their refresh when ports come
// and go, and the device behind the selected entry.
#include "connection/ConnectionPresenter.h"
#include "serial/PortNames.h"

namespace {
constexpr char kNotSelected[] = "- NOT SELECTED -";
constexpr int kDeviceChangeDebounceTicks = 4;
} // namespace

void TConnectionPresenter::EnumeratePorts() {
    std::vector<std::string> names;
    if (!ports_->Enumerate(names))
        return;
    portNames_.clear();
    for (const std::string& name : names) {
        if (static_cast<int>(portNames_.size()) == kMaxPorts)
            break;
        if (name.find("(COM") != std::string::npos)
            portNames_.push_back(name);
    }
}

void TConnectionPresenter::FillPortSelector() {
    view_.ListClear(TControl::cbxDeviceComEnum);
    if (portNames_.empty()) {
        view_.ListAdd(TControl::cbxDeviceComEnum, kNotSelected);
        view_.SetItemIndex(TControl::cbxDeviceComEnum, -1);
        return;
    }
    for (const std::string& name : portNames_)
        view_.ListAdd(TControl::cbxDeviceComEnum, name);
    view_.SetItemIndex(TControl::cbxDeviceComEnum, 0); // the list is sorted
}

std::string TConnectionPresenter::SelectedPortText() {
    int index = view_.ItemIndex(TControl::cbxDeviceComEnum);
    return index < 0 ? std::string() : view_.ListItem(TControl::cbxDeviceComEnum, index);
}

bool TConnectionPresenter::SelectPortEntry(const std::string& text) {
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

// Selects the entry of COMn in the selector, when it has one.
void TConnectionPresenter::SelectListedPort(int number) {
    std::string tag = ComTag(number);
    for (int i = 0, count = view_.ListCount(TControl::cbxDeviceComEnum); i < count; ++i)
        if (view_.ListItem(TControl::cbxDeviceComEnum, i).find(tag) != std::string::npos) {
            view_.SetItemIndex(TControl::cbxDeviceComEnum, i);
            return;
        }
}

bool TConnectionPresenter::PortListed(int number) const {
    std::string tag = ComTag(number);
    for (const std::string& name : portNames_)
        if (name.find(tag) != std::string::npos)
            return true;
    return false;
}

bool TConnectionPresenter::PortUsable(std::string* reason) {
    int n = ComNumberOf(SelectedPortText());
    std::string why;
    bool usable = n >= 0 && ports_->CanOpen(ComDeviceName(n), why);
    if (reason != nullptr)
        *reason = why;
    return usable;
}

int TConnectionPresenter::SelectPortDevice() {
    // The number is read after "(COM", not after the first "COM": a driver name may
    // hold those letters too.
    int n = ComNumberOf(SelectedPortText());
    if (n < 1 || n > 255)
        return -1;
    session_.SetDevice(ComDeviceName(n));
    return n;
}

void TConnectionPresenter::CheckConnectedPortPresent() {
    if (portNumber_ == 0) // opened by device path, not from the list
        return;
    if (!PortListed(portNumber_))
        ToggleConnection();
}

void TConnectionPresenter::DebounceDeviceChange() {
    if (deviceChangePending_)
        ++deviceChangeTicks_;
    if (deviceChangeTicks_ < kDeviceChangeDebounceTicks)
        return;
    deviceChangePending_ = false;
    deviceChangeTicks_ = 0;
    EnumeratePorts();
    if (!session_.IsOpen())
        FillPortSelector();
    else
        CheckConnectedPortPresent();
}
