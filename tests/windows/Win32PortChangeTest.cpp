// Ports coming and going, as Windows tells the main window by WM_DEVICECHANGE: a message
// about the ports class starts the debounce, the port selector is refilled on the fourth
// half-second tick after it, and a session whose port has gone is closed. Messages about
// other devices change nothing.
#include "Win32Api.h"

#include "FakePorts.h"
#include "MemoryComm.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32WideText.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr GUID kPortsClass = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

constexpr int kDebounceTicks = 4;

class Win32PortChangeTest : public testing::Test {
protected:
    Win32PortChangeTest() : ports_(std::make_shared<FakePorts::State>()) {
        ports_->names = {"USB Serial Port (COM5)"};
        auto memory = std::make_unique<TMemoryComm>();
        line_ = memory->line;
        configurator_ = std::make_unique<TWin32Configurator>(
            std::make_unique<FakePorts>(ports_), std::move(memory), TAppFolders{"", ".\\"});
        configurator_->View().AnswerMessagesWith([](const std::string&, const std::string&,
                                                    TMessageButtons,
                                                    TMessageIcon) { return TMessageAnswer::Ok; });
    }

    HWND Window() { return configurator_->Window().Handle(); }
    HWND Control(TControl control) { return GetDlgItem(Window(), ControlId(control)); }

    // As the system sends it: a device-interface broadcast of `deviceClass`, or none.
    void DeviceChange(WPARAM event, DWORD deviceType, const GUID& deviceClass) {
        DEV_BROADCAST_DEVICEINTERFACE_W broadcast{};
        broadcast.dbcc_size = sizeof broadcast;
        broadcast.dbcc_devicetype = deviceType;
        broadcast.dbcc_classguid = deviceClass;
        SendMessageW(Window(), WM_DEVICECHANGE, event,
                     event == DBT_DEVNODES_CHANGED ? 0 : reinterpret_cast<LPARAM>(&broadcast));
    }
    void PortRemoved() {
        DeviceChange(DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE, kPortsClass);
    }

    void HalfSecondTicks(int count) {
        for (int i = 0; i < count; ++i)
            SendMessageW(Window(), WM_TIMER, TimerId(TTimer::HalfSecondTick), 0);
    }

    std::vector<std::wstring> SelectorItems() {
        HWND selector = Control(TControl::cbxDeviceComEnum);
        std::vector<std::wstring> items;
        const auto count = SendMessageW(selector, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring item(
                static_cast<size_t>(SendMessageW(selector, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            SendMessageW(selector, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            item.resize(item.size() - 1);
            items.push_back(item);
        }
        return items;
    }

    std::wstring Text(TControl control) {
        wchar_t text[64] = {};
        GetWindowTextW(Control(control), text, 64);
        return text;
    }

    void Connect() {
        SendMessageW(Control(TControl::OpenPort), BM_CLICK, 0, 0);
        for (const char* line :
             {"Firmware:T360KV V1.0.8", "[SerialNo]=TL360K2409001", "[DEVICE DATA END]"}) {
            const std::string bytes = std::string(line) + "\r\n";
            line_->Receive(bytes, /*quiet=*/true);
            configurator_->Controller().Session().ReadWaiting(static_cast<uint32_t>(bytes.size()));
        }
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::shared_ptr<MemoryLine> line_;
    std::unique_ptr<TWin32Configurator> configurator_;
};

struct DeviceChangeCase {
    const char* what;
    WPARAM event;
    DWORD deviceType;
    GUID deviceClass;
    bool refreshes;
};

const DeviceChangeCase kDeviceChanges[] = {
    {"devices added or removed", DBT_DEVNODES_CHANGED, 0, {}, true},
    {"a port arrived", DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kPortsClass, true},
    {"a port was removed", DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE, kPortsClass, true},
    {"a USB device arrived", DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kUsbDeviceInterface,
     false},
    {"a volume arrived", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, kPortsClass, false},
    {"a port is about to be removed", DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_DEVICEINTERFACE,
     kPortsClass, false},
};

TEST_F(Win32PortChangeTest, APortChangeRefillsTheSelectorOnTheFourthHalfSecondTick) {
    int number = 10;
    for (const DeviceChangeCase& change : kDeviceChanges) {
        SCOPED_TRACE(change.what);
        const std::vector<std::wstring> before = SelectorItems();
        const std::string name = "Communications Port (COM" + std::to_string(++number) + ")";
        ports_->names = {name};
        DeviceChange(change.event, change.deviceType, change.deviceClass);
        HalfSecondTicks(kDebounceTicks - 1);
        EXPECT_EQ(SelectorItems(), before);
        HalfSecondTicks(1);
        if (change.refreshes)
            EXPECT_EQ(SelectorItems(), std::vector<std::wstring>({WideFromUtf8(name)}));
        else
            EXPECT_EQ(SelectorItems(), before);
        // Left over from a message that was not about ports, the list is refreshed now, so
        // that the next case starts from the system's list.
        ports_->names = {name};
        DeviceChange(DBT_DEVNODES_CHANGED, 0, {});
        HalfSecondTicks(kDebounceTicks);
    }
}

TEST_F(Win32PortChangeTest, FurtherChangesDoNotPutTheRefreshOff) {
    ports_->names = {"USB Serial Port (COM5)", "USB Serial Port (COM6)"};
    PortRemoved();
    HalfSecondTicks(2);
    PortRemoved();
    HalfSecondTicks(2);
    EXPECT_EQ(SelectorItems().size(), 2u);
}

struct RemovalCase {
    const char* what;
    std::vector<std::string> portsLeft;
    bool sessionStays;
};

const RemovalCase kRemovals[] = {
    {"the session's port", {"USB Serial Port (COM6)"}, false},
    {"another port", {"USB Serial Port (COM5)"}, true},
};

TEST_F(Win32PortChangeTest, TheSessionClosesWhenItsPortGoesAway) {
    for (const RemovalCase& removal : kRemovals) {
        SCOPED_TRACE(removal.what);
        ports_->names = {"USB Serial Port (COM5)", "USB Serial Port (COM6)"};
        DeviceChange(DBT_DEVNODES_CHANGED, 0, {});
        HalfSecondTicks(kDebounceTicks);
        Connect();
        ASSERT_EQ(Text(TControl::LabelConnectionStatus), L"Connected...");

        ports_->names = removal.portsLeft;
        PortRemoved();
        HalfSecondTicks(kDebounceTicks);
        if (removal.sessionStays) {
            EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Connected...");
            EXPECT_FALSE(IsWindowEnabled(Control(TControl::cbxDeviceComEnum)));
            // Closed by hand for the next case.
            SendMessageW(Control(TControl::OpenPort), BM_CLICK, 0, 0);
        } else {
            EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Click to Connect");
            EXPECT_EQ(Text(TControl::OpenPort), L"Connect");
            EXPECT_TRUE(IsWindowEnabled(Control(TControl::cbxDeviceComEnum)));
        }
        EXPECT_FALSE(configurator_->Controller().Session().IsOpen());
    }
}

} // namespace
