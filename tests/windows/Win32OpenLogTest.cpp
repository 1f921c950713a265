// File > Open log... in the Win32 window: the menu command opens a capture, the replay's
// row shows under the top strip with the pages moved below it, its timer plays the log
// onto the pages, its buttons pause, resume and stop it, and the connection bar says what
// is going on, a long log name shortened in the status label and whole in its tool tip.
#include "Win32Api.h"

#include "FakePorts.h"
#include "MemoryComm.h"
#include "TempFolder.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kCapture = std::string(T360KV_TEST_DATA_DIR) + "/nmea/captures/gpsd/ait250.log";

// The replay's row: what shows while a log is open and hides with it.
constexpr TControl kReplayRow[] = {TControl::PanelReplay,       TControl::ComboBoxReplaySpeed,
                                   TControl::ButtonReplayPause, TControl::ButtonReplayStop,
                                   TControl::ProgressBarReplay, TControl::LabelReplayProgress};

struct ShownMessage {
    std::string text, caption;
    TMessageIcon icon;
};

class OpenLogWindow : public testing::Test {
protected:
    OpenLogWindow() : ports_(std::make_shared<FakePorts::State>()) {
        ports_->names = {"USB Serial Port (COM5)"};
        configurator_ = std::make_unique<TWin32Configurator>(std::make_unique<FakePorts>(ports_),
                                                             std::make_unique<TMemoryComm>(),
                                                             TAppFolders{"", ".\\"});
        configurator_->View().AnswerMessagesWith([this](const std::string& text,
                                                        const std::string& caption, TMessageButtons,
                                                        TMessageIcon icon) {
            messages_.push_back({text, caption, icon});
            return TMessageAnswer::Ok;
        });
        ShowWindow(Window().Handle(), SW_SHOWNOACTIVATE);
    }

    TWin32MainWindow& Window() { return configurator_->Window(); }
    HWND Control(TControl control) { return GetDlgItem(Window().Handle(), ControlId(control)); }
    std::wstring Text(TControl control) {
        HWND window = Control(control);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    bool Visible(TControl control) { return IsWindowVisible(Control(control)) != FALSE; }
    bool Enabled(TControl control) { return IsWindowEnabled(Control(control)) != FALSE; }
    // The top of a control in the window's client area.
    int Top(TControl control) {
        RECT area{};
        GetWindowRect(Control(control), &area);
        MapWindowPoints(nullptr, Window().Handle(), reinterpret_cast<POINT*>(&area), 2);
        return area.top;
    }
    int Bottom(TControl control) {
        RECT area{};
        GetWindowRect(Control(control), &area);
        MapWindowPoints(nullptr, Window().Handle(), reinterpret_cast<POINT*>(&area), 2);
        return area.bottom;
    }

    // Chooses File > Open log... and `path` in its dialog.
    void OpenLog(const std::string& path) {
        configurator_->View().AnswerOpenFileWith([path](std::string& fileName) {
            fileName = path;
            return true;
        });
        SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(ControlId(TControl::mnuOpenLog), 0),
                     0);
    }
    // As the user picks an item of the speed list: the list tells its parent.
    void ChooseSpeed(int index) {
        HWND speed = Control(TControl::ComboBoxReplaySpeed);
        SendMessageW(speed, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(Window().Handle(), WM_COMMAND,
                     MAKEWPARAM(ControlId(TControl::ComboBoxReplaySpeed), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(speed));
    }
    void Click(TControl button) { SendMessageW(Control(button), BM_CLICK, 0, 0); }
    const TLogReplay& Replay() { return configurator_->Controller().Replay().Replay(); }
    // Fires the replay's timer until the log has ended; false if it never does.
    bool PlayToTheEnd() {
        for (int tick = 0; tick < 100000 && Replay().IsRunning(); ++tick)
            SendMessageW(Window().Handle(), WM_TIMER, TimerId(TTimer::ReplayTick), 0);
        return !Replay().IsRunning();
    }
    void ExpectRowShown(bool shown) {
        for (TControl control : kReplayRow)
            EXPECT_EQ(Visible(control), shown) << ControlName(control);
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::unique_ptr<TWin32Configurator> configurator_;
    std::vector<ShownMessage> messages_;
};

TEST_F(OpenLogWindow, PlaysTheLogAtMaxOntoThePagesBelowTheReplayRow) {
    ExpectRowShown(false);
    EXPECT_EQ(Text(TControl::ComboBoxReplaySpeed), L"1x");
    ChooseSpeed(3);
    EXPECT_EQ(Text(TControl::ComboBoxReplaySpeed), L"Max");
    OpenLog(kCapture);

    EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Replaying ait250.log");
    EXPECT_FALSE(Enabled(TControl::OpenPort));
    ExpectRowShown(true);
    EXPECT_TRUE(Visible(TControl::PageControlMain));
    // The pages make room for the row rather than lie under it.
    EXPECT_GE(Top(TControl::PageControlMain), Bottom(TControl::PanelReplay));
    EXPECT_GE(Top(TControl::PanelReplay), Bottom(TControl::LabelConnectionStatus));
    ASSERT_TRUE(PlayToTheEnd());

    EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    EXPECT_EQ(Text(TControl::LabelReplayProgress).rfind(L"End of log: ", 0), 0u)
        << Text(TControl::LabelReplayProgress).c_str();
    HWND progress = Control(TControl::ProgressBarReplay);
    EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), SendMessageW(progress, PBM_GETRANGE, 0, 0));
    EXPECT_FALSE(Enabled(TControl::ButtonReplayPause));
    EXPECT_NE(Text(TControl::lblEdtGpsUtcTime), L"");

    Click(TControl::ButtonReplayStop);
    ExpectRowShown(false);
    EXPECT_FALSE(Visible(TControl::PageControlMain));
}

TEST_F(OpenLogWindow, PauseResumeAndStopByTheirButtons) {
    const int pagesTop = Top(TControl::PageControlMain);
    OpenLog(kCapture); // at the log's own pace: it lasts minutes
    EXPECT_GT(Top(TControl::PageControlMain), pagesTop);

    Click(TControl::ButtonReplayPause);
    EXPECT_TRUE(Replay().IsPaused());
    EXPECT_EQ(Text(TControl::ButtonReplayPause), L"Resume");
    Click(TControl::ButtonReplayPause);
    EXPECT_FALSE(Replay().IsPaused());
    EXPECT_EQ(Text(TControl::ButtonReplayPause), L"Pause");

    Click(TControl::ButtonReplayStop);
    EXPECT_FALSE(Replay().IsRunning());
    EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    ExpectRowShown(false);
    EXPECT_EQ(Top(TControl::PageControlMain), pagesTop);
}

// The longest progress text fits its label in each language's font.
TEST_F(OpenLogWindow, TheLongestProgressTextFitsItsLabel) {
    const std::wstring longest = L"End of log: 200.0 of 200.0 MB, log time 25:01:01";
    for (TControl language :
         {TControl::mnuLangEnglish, TControl::mnuLangTraChinese, TControl::mnuLangSimpChinese}) {
        SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(ControlId(language), 0), 0);
        HWND label = Control(TControl::LabelReplayProgress);
        RECT area{};
        GetClientRect(label, &area);
        HDC dc = GetDC(label);
        HGDIOBJ before = SelectObject(dc, Window().Font());
        SIZE size{};
        GetTextExtentPoint32W(dc, longest.c_str(), static_cast<int>(longest.size()), &size);
        SelectObject(dc, before);
        ReleaseDC(label, dc);
        EXPECT_LE(size.cx, area.right) << ControlName(language);
    }
}

TEST_F(OpenLogWindow, ALongLogNameIsWholeInTheStatusTipOnlyWhileShortened) {
    const int status = ControlId(TControl::LabelConnectionStatus);
    OpenLog(kCapture);
    EXPECT_EQ(Window().ToolTipText(status), L"");
    Click(TControl::ButtonReplayStop);

    TempFolder folder;
    const std::string name = "voyage-from-the-north-sea-to-the-baltic-in-november.log";
    std::filesystem::copy_file(kCapture, folder / name);
    OpenLog(folder / name);
    const std::wstring whole = L"Replaying " + std::wstring(name.begin(), name.end());
    EXPECT_EQ(Text(TControl::LabelConnectionStatus), whole);
    EXPECT_EQ(Window().ToolTipText(status), whole);

    Click(TControl::ButtonReplayStop);
    EXPECT_EQ(Window().ToolTipText(status), L"");
}

TEST_F(OpenLogWindow, AMissingLogIsToldAndNothingStarts) {
    TempFolder folder;
    OpenLog(folder / "missing.log");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Open log");
    EXPECT_EQ(messages_[0].icon, TMessageIcon::Error);
    EXPECT_EQ(Text(TControl::LabelConnectionStatus), L"Click to Connect");
    EXPECT_TRUE(Enabled(TControl::OpenPort));
    ExpectRowShown(false);
}

} // namespace
