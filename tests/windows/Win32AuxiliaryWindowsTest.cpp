// The windows besides the main window: the about box (its title in the menu's language,
// the logo, the links to the maker's web page), the countdown dialog's text centred,
// and the progress dialog drawn translucent over the main window. With
// T360KV_SCREENSHOTS naming a folder, the about box and the countdown are saved there.
#include "Win32Api.h"

#include "FakePorts.h"
#include "MemoryComm.h"
#include "Win32AuxiliaryWindows.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32MainMenu.h"
#include "Win32Picture.h"
#include "Win32Screenshot.h"
#include "dialogs/DialogTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

class Win32AuxiliaryWindowsTest : public testing::Test {
protected:
    Win32AuxiliaryWindowsTest() : ports_(std::make_shared<FakePorts::State>()) {
        configurator_ = std::make_unique<TWin32Configurator>(std::make_unique<FakePorts>(ports_),
                                                             std::make_unique<TMemoryComm>(),
                                                             TAppFolders{"", ".\\"});
        configurator_->Controller().Desktop().OpenWebPage = [this](const std::string& address) {
            opened_.push_back(address);
        };
        ShowWindow(MainWindow(), SW_SHOWNOACTIVATE);
    }
    ~Win32AuxiliaryWindowsTest() override {
        for (HWND shown : {About(), Countdown()})
            ShowWindow(shown, SW_HIDE);
    }

    HWND MainWindow() { return configurator_->Window().Handle(); }
    HWND About() { return configurator_->Window().Auxiliary().Window(TWindow::frmAbout); }
    HWND Countdown() { return configurator_->Window().Auxiliary().Window(TWindow::Form2); }
    HWND Progress() {
        return configurator_->Window().Auxiliary().Window(TWindow::frmWaitingProgress);
    }

    void Choose(TControl menuItem) {
        SendMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(ControlId(menuItem), 0), 0);
    }
    static std::wstring Title(HWND window) {
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        return title;
    }

    // What the window's part `control` (or the whole client area) shows on the screen.
    static std::unique_ptr<TPicture> PictureOf(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT area{};
        GetClientRect(window, &area);
        auto picture = std::make_unique<TPicture>(area.right, area.bottom);
        HDC screen = GetDC(window);
        BitBlt(picture->Dc(), 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
        return picture;
    }
    static void SaveForLooking(HWND window, const char* name) {
        if (const char* folder = std::getenv("T360KV_SCREENSHOTS")) {
            const std::string file = std::string(folder) + "\\windows-" + name + ".png";
            SaveWindowPicture(window, std::wstring(file.begin(), file.end()));
        }
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::unique_ptr<TWin32Configurator> configurator_;
    std::vector<std::string> opened_;
};

struct TitleCase {
    const wchar_t* aboutItem;
    const wchar_t* title;
};

const TitleCase kTitles[] = {
    {L"About(&A)", L"About Tidelane T360KV Configurator"},
    {L"\u95DC\u65BC(&A)", L"\u95DC\u65BC Tidelane T360KV Configurator"},
    {L"&About", L"About Tidelane T360KV Configurator"},
    {L"About (&A)", L"About Tidelane T360KV Configurator"},
};

TEST(AboutTitle, IsTheAboutItemsWordsWithoutItsAccessKeyAndTheProduct) {
    for (const TitleCase& title : kTitles)
        EXPECT_EQ(AboutTitle(title.aboutItem), title.title);
}

struct LanguageTitle {
    TLanguage language;
    const wchar_t* title;
};

const LanguageTitle kLanguageTitles[] = {
    {laTraChinese, L"\u95DC\u65BC Tidelane T360KV Configurator"},
    {laSimpChinese, L"\u5173\u4E8E Tidelane T360KV Configurator"},
    {laEnglish, L"About Tidelane T360KV Configurator"},
};

TEST_F(Win32AuxiliaryWindowsTest, AboutBoxIsOneWindowTitledInTheMenusLanguage) {
    for (const LanguageTitle& expected : kLanguageTitles) {
        SCOPED_TRACE(static_cast<int>(expected.language));
        Choose(kLanguageItems[expected.language]);
        Choose(TControl::mnuAbout);
        EXPECT_TRUE(IsWindowVisible(About()));
        EXPECT_EQ(Title(About()), expected.title);
        // Chosen again while it is open: the same window, still shown.
        Choose(TControl::mnuAbout);
        EXPECT_EQ(configurator_->Window().Auxiliary().Window(TWindow::frmAbout), About());
        EXPECT_TRUE(IsWindowVisible(About()));
    }
    SaveForLooking(About(), "about-box");
}

TEST_F(Win32AuxiliaryWindowsTest, AboutBoxShowsTheLogoAndItsLinksOpenTheMakersWebPage) {
    Choose(TControl::mnuAbout);
    HWND logo = GetDlgItem(About(), idAboutLogo);
    ASSERT_NE(logo, nullptr);
    const std::unique_ptr<TPicture> picture = PictureOf(logo);
    RECT area{};
    GetClientRect(logo, &area);
    // The badge's sea blue above the wave, its white wave, the cream round it.
    EXPECT_EQ(picture->At(area.right / 2, area.bottom / 5), (TRgb{0x1F, 0x5F, 0x9F}));
    EXPECT_GT(picture->Count(area, TRgb{0xFF, 0xFF, 0xFF}, 30), 0);
    EXPECT_EQ(picture->At(0, 0), (TRgb{0xFF, 0xF8, 0xE1}));
    // The whole box is cream, not only behind its texts.
    const std::unique_ptr<TPicture> box = PictureOf(About());
    RECT boxArea{};
    GetClientRect(About(), &boxArea);
    EXPECT_EQ(box->At(boxArea.right - 2, boxArea.bottom - 2), (TRgb{0xFF, 0xF8, 0xE1}));

    for (int link : {idMakerCompany, idMakerWebUrl}) {
        SCOPED_TRACE(link);
        HWND label = GetDlgItem(About(), link);
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        ASSERT_EQ(opened_.size(), 1u);
        EXPECT_EQ(opened_.front(), kMakerWebUrl);
        opened_.clear();
    }
    // The other texts lead nowhere.
    for (int text : {idProductName, idAboutVersion}) {
        HWND label = GetDlgItem(About(), text);
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    EXPECT_TRUE(opened_.empty());
}

TEST_F(Win32AuxiliaryWindowsTest, CountdownTextStandsInTheMiddleOfTheDialog) {
    configurator_->View().SetText(TControl::LabelTimerRemain, "Time remaining: \n15 seconds");
    configurator_->View().ShowWindow(TWindow::Form2);
    const std::unique_ptr<TPicture> picture = PictureOf(Countdown());
    SaveForLooking(Countdown(), "countdown");
    RECT area{};
    GetClientRect(Countdown(), &area);
    // The box around the text's dark pixels.
    RECT ink{area.right, area.bottom, 0, 0};
    for (int y = 0; y < area.bottom; ++y)
        for (int x = 0; x < area.right; ++x) {
            const TRgb pixel = picture->At(x, y);
            if (pixel.R + pixel.G + pixel.B < 200) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
    ASSERT_LT(ink.left, ink.right) << "no text drawn";
    // Two lines, the second under the first.
    EXPECT_GT(ink.bottom - ink.top, 40);
    constexpr int kTolerance = 4;
    EXPECT_NEAR((ink.left + ink.right) / 2, area.right / 2, kTolerance);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, area.bottom / 2, kTolerance);
}

TEST_F(Win32AuxiliaryWindowsTest, ProgressDialogIsATranslucentToolWindowOnTop) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Progress(), nullptr, &alpha, &flags));
    EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(alpha, 200);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Progress(), GWL_EXSTYLE));
    EXPECT_NE(style & WS_EX_TOPMOST, 0u);
    EXPECT_NE(style & WS_EX_TOOLWINDOW, 0u);
}

} // namespace
