// The windows besides the main window, created hidden with it and kept until it goes:
// the about box (frmAbout), the countdown dialog (Form2) and the translucent progress
// dialog (frmWaitingProgress). Closing one hides it.
#pragma once

#include "Win32Api.h"

#include "view/MainView.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class TWin32AuxiliaryWindows {
public:
    TWin32AuxiliaryWindows(HWND owner, UINT dpi);
    ~TWin32AuxiliaryWindows();
    TWin32AuxiliaryWindows(const TWin32AuxiliaryWindows&) = delete;
    TWin32AuxiliaryWindows& operator=(const TWin32AuxiliaryWindows&) = delete;

    HWND Window(TWindow window) const { return windows_[static_cast<size_t>(window)]; }
    // The windows' controls by id (ControlId for those the controller addresses).
    const std::vector<std::pair<int, HWND>>& Controls() const { return controls_; }

    void SetFonts(HFONT normal, HFONT bold, HFONT italic, HFONT large);
    // Moves `window` to where it shows: the centre of the screen, the progress dialog
    // the centre of the main window.
    void Place(TWindow window) const;
    // Titles the about box with the About menu item's caption, as the user reads it,
    // and brings its read-me text to the top.
    void PrepareAboutBox(const std::wstring& aboutItemCaption) const;

private:
    HWND owner_;
    HFONT linkFont_ = nullptr;
    std::array<HWND, 3> windows_{};
    std::vector<std::pair<int, HWND>> controls_;
};

// "About Tidelane T360KV Configurator" from the About item's caption "About(&A)", in
// the caption's language: without its access key.
std::wstring AboutTitle(const std::wstring& aboutItemCaption);
