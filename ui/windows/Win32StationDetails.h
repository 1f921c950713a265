// The window that shows one station's details: a list of every field of the last message
// of each type the station sent (message, field, value). It is not modal, belongs to the
// main window, and shows the station asked for last; closing it hides it.
#pragma once

#include "Win32Api.h"

#include <array>
#include <string>
#include <vector>

class TWin32StationDetails {
public:
    using TLine = std::array<std::wstring, 3>; // message, field, value

    TWin32StationDetails(HWND owner, UINT dpi);
    ~TWin32StationDetails();
    TWin32StationDetails(const TWin32StationDetails&) = delete;
    TWin32StationDetails& operator=(const TWin32StationDetails&) = delete;

    HWND Window() const { return window_; }
    HWND List() const { return list_; }

    void SetFont(HFONT font);
    // Replaces what the window shows, and shows it.
    void Show(const std::wstring& title, const std::vector<TLine>& lines);

private:
    HWND owner_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    bool placed_ = false; // placed beside the main window at its first showing
};
