// The Win32 window after start-up, on fake ports and a serial component in memory: every
// control found by its id with its text and visibility, the top strip's states before
// connecting, the timers, and the texts of the Chinese language files converted from
// their code pages.
#include "Win32Api.h"

#include "FakePorts.h"
#include "MemoryComm.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32MainMenu.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class Win32MainWindowTest : public testing::Test {
protected:
    Win32MainWindowTest() : ports_(std::make_shared<FakePorts::State>()) {
        ports_->names = {"USB Serial Port (COM5)", "Communications Port (COM1)"};
        // The working directory is the top of the build folder, which holds "Lang".
        configurator_ = std::make_unique<TWin32Configurator>(std::make_unique<FakePorts>(ports_),
                                                             std::make_unique<TMemoryComm>(),
                                                             TAppFolders{"", ".\\"});
        configurator_->View().AnswerMessagesWith([](const std::string&, const std::string&,
                                                    TMessageButtons,
                                                    TMessageIcon) { return TMessageAnswer::Ok; });
        ShowWindow(Window().Handle(), SW_SHOWNOACTIVATE);
    }

    TWin32MainWindow& Window() { return configurator_->Window(); }

    HWND Control(TControl control) { return GetDlgItem(Window().Handle(), ControlId(control)); }

    // What a control shows: its caption, or a drop-down list's selected item.
    std::wstring Shown(TControl control) {
        HWND window = Control(control);
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (std::wstring(className) == WC_COMBOBOXW) {
            const auto index = SendMessageW(window, CB_GETCURSEL, 0, 0);
            if (index < 0)
                return {};
            std::wstring item(
                static_cast<size_t>(SendMessageW(window, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
            SendMessageW(window, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
            item.resize(item.size() - 1);
            return item;
        }
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    std::wstring MenuCaption(TControl control) {
        const TMenuItemPlace place = MenuItemOf(Window().MenuBar(), control);
        wchar_t caption[64] = {};
        GetMenuStringW(place.Menu, place.Item, caption, 64,
                       place.ByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
        return caption;
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::unique_ptr<TWin32Configurator> configurator_;
};

struct ControlAtStart {
    TControl control;
    const wchar_t* text;
    bool shown;
};

const ControlAtStart kControlsAtStart[] = {
    {TControl::ComboBoxDeviceItem, L"USB", true},
    // The PC rate applies to RS-232/NMEA-0183 only, not to the USB selected at start.
    {TControl::LabelBaudRate, L"Baud Rate", false},
    {TControl::ComboBoxBaudRate, L"115200", false},
    {TControl::cbxDeviceComEnum, L"Communications Port (COM1)", true},
    {TControl::OpenPort, L"Connect", true},
    {TControl::LabelConnectionStatus, L"Click to Connect", true},
    {TControl::btnExit, L"EXIT", true},
    // Everything below the top strip waits for the handshake.
    {TControl::PanelView, L"", false},
    {TControl::PageControlMain, L"", false},
    {TControl::PageControlConf, L"", false},
    {TControl::PageControlDiagnosis, L"", false},
    {TControl::SpeedButtonReload, L"Read Device", false},
    {TControl::SpeedButtonSetting, L"Program Device", false},
    {TControl::MemoDataLog, L"", false},
    {TControl::cbxBaud_RS232, L"38400", false},
    {TControl::cbxBaud_NMEA, L"", false},
    {TControl::CheckBoxInternalGPSEnable, L"Enable Internal GPS Module", false},
    {TControl::LabelGPSNavStatus, L"GPS Mode", false},
    {TControl::CheckBoxNetworkRestore, L"Netowrk Settings", false},
    {TControl::spbBaudRate, L"Config", false},
    {TControl::lblValFwVer, L"---------", false},
    {TControl::lblValProdSN, L"---------", false},
    {TControl::lblValRxCntA, L"0", false},
    {TControl::lblValRxCntB, L"0", false},
    {TControl::LabelNetworkFirmwareVersoinData, L"N/A", false},
    {TControl::lblValGps, L"N/A", false},
    {TControl::SpeedButtonClearCheck, L"Refresh", false},
    {TControl::spbtnEnableLog, L"Start Log", false},
    {TControl::btnSaveLog, L"Save to File", false},
    {TControl::LabeledEditCommandText, L"", false},
    {TControl::EditStationFilter, L"", false},
    {TControl::ButtonStationDetails, L"Details", false},
    {TControl::ButtonClearStations, L"Clear", false},
    {TControl::ButtonExportStations, L"Export CSV...", false},
    {TControl::GridStations, L"", false},
    {TControl::PaintBoxCoverage, L"", false},
};

TEST_F(Win32MainWindowTest, FindsEveryControlByItsIdWithItsTextAndVisibility) {
    for (const ControlAtStart& expected : kControlsAtStart) {
        SCOPED_TRACE(ControlName(expected.control));
        ASSERT_NE(Control(expected.control), nullptr);
        EXPECT_EQ(Shown(expected.control), expected.text);
        EXPECT_EQ(IsWindowVisible(Control(expected.control)) != FALSE, expected.shown);
    }
}

TEST_F(Win32MainWindowTest, HasEveryControlTheControllerAddresses) {
    // ControlName answers "" past the last control.
    for (int i = 0; *ControlName(static_cast<TControl>(i)) != '\0'; ++i) {
        const auto control = static_cast<TControl>(i);
        const bool isTab =
            control == TControl::TabSheetBaudRate || control == TControl::TabSheetAisStations;
        const bool found =
            IsMenuControl(control) || isTab || Window().Control(ControlId(control)) != nullptr;
        EXPECT_TRUE(found) << ControlName(control);
    }
}

TEST_F(Win32MainWindowTest, TopStripBeforeConnectingOffersConnectAndItsTimersRun) {
    EXPECT_EQ(SendMessageW(Control(TControl::OpenPort), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(Control(TControl::ComboBoxDeviceItem)));
    EXPECT_TRUE(IsWindowEnabled(Control(TControl::cbxDeviceComEnum)));
    EXPECT_EQ(SendMessageW(Control(TControl::ComboBoxDeviceItem), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Control(TControl::cbxDeviceComEnum), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(MenuCaption(TControl::mnuFile), L"File(&F)");
    EXPECT_EQ(MenuCaption(TControl::mnuExit), L"Exit(&X)");
    EXPECT_EQ(MenuCaption(TControl::mnuHelp), L"Help(&H)");
    EXPECT_EQ(MenuCaption(TControl::mnuAbout), L"About(&A)");
    EXPECT_TRUE(Window().TimerRunning(TTimer::HandshakeTick));
    EXPECT_TRUE(Window().TimerRunning(TTimer::HalfSecondTick));
    EXPECT_FALSE(Window().TimerRunning(TTimer::SystemCheckTick));
}

TEST_F(Win32MainWindowTest, ChoosingRs232ShowsThePcBaudRate) {
    HWND device = Control(TControl::ComboBoxDeviceItem);
    SendMessageW(device, CB_SETCURSEL, 1, 0);
    // As the list tells its parent of the user's choice.
    SendMessageW(Window().Handle(), WM_COMMAND,
                 MAKEWPARAM(ControlId(TControl::ComboBoxDeviceItem), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(device));
    EXPECT_TRUE(IsWindowVisible(Control(TControl::ComboBoxBaudRate)));
    EXPECT_TRUE(IsWindowVisible(Control(TControl::LabelBaudRate)));
}

struct LanguageTexts {
    TLanguage language;
    const wchar_t* connect;
    const wchar_t* status;
    const wchar_t* exit;
    const wchar_t* fileMenu;
};

const LanguageTexts kLanguages[] = {
    {laTraChinese, L"\u9023\u7DDA", L"\u6309\u6B64\u9023\u7DDA", L"\u7D50\u675F",
     L"\u6A94\u6848(&F)"},
    {laSimpChinese, L"\u8FDE\u63A5", L"\u70B9\u51FB\u8FDE\u63A5", L"\u9000\u51FA",
     L"\u6587\u4EF6(&F)"},
    {laEnglish, L"Connect", L"Click to Connect", L"EXIT", L"File(&F)"},
};

TEST_F(Win32MainWindowTest, LanguageChoiceShowsTheTextsOfItsFileConvertedFromItsCodePage) {
    for (const LanguageTexts& expected : kLanguages) {
        SCOPED_TRACE(static_cast<int>(expected.language));
        // As the File menu's item tells its window.
        SendMessageW(Window().Handle(), WM_COMMAND,
                     MAKEWPARAM(ControlId(kLanguageItems[expected.language]), 0), 0);
        EXPECT_EQ(Shown(TControl::OpenPort), expected.connect);
        EXPECT_EQ(Shown(TControl::LabelConnectionStatus), expected.status);
        EXPECT_EQ(Shown(TControl::btnExit), expected.exit);
        EXPECT_EQ(MenuCaption(TControl::mnuFile), expected.fileMenu);
        // The port names stay as the system gave them.
        EXPECT_EQ(Shown(TControl::cbxDeviceComEnum), L"Communications Port (COM1)");
        // One check mark, at the chosen language.
        for (TControl languageItem : kLanguageItems)
            EXPECT_EQ(configurator_->View().Checked(languageItem),
                      languageItem == kLanguageItems[expected.language]);
    }
}

} // namespace
