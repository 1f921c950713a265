#include "Win32Api.h"

#include "Win32StationDetails.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr wchar_t kWindowClass[] = L"T360KVStationDetails";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr int kClientWidth = 560; // at 96 DPI
constexpr int kClientHeight = 440;

struct TColumn {
    const wchar_t* Title;
    int Width; // at 96 DPI
};
constexpr TColumn kColumns[] = {{L"Message", 200}, {L"Field", 160}, {L"Value", 180}};

LRESULT CALLBACK DetailsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        // The list fills the window.
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterDetailsClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DetailsProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

TWin32StationDetails::TWin32StationDetails(HWND owner, UINT dpi) : owner_(owner) {
    RegisterDetailsClass();
    const auto scale = [dpi](int value) { return MulDiv(value, static_cast<int>(dpi), 96); };
    RECT frame{0, 0, scale(kClientWidth), scale(kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
    window_ = CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    RECT client{};
    GetClientRect(window_, &client);
    list_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER |
                                LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                            0, 0, client.right, client.bottom, window_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                 LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        std::wstring title = kColumns[column].Title;
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.cx = scale(kColumns[column].Width);
        entry.pszText = title.data();
        entry.iSubItem = column;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&entry));
    }
}

TWin32StationDetails::~TWin32StationDetails() {
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void TWin32StationDetails::SetFont(HFONT font) {
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TWin32StationDetails::Show(const std::wstring& title, const std::vector<TLine>& lines) {
    SetWindowTextW(window_, title.c_str());
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (size_t row = 0; row < lines.size(); ++row) {
        for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
            std::wstring text = lines[row][static_cast<size_t>(column)];
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(list_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                         column == 0 ? 0 : row, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    if (!placed_) {
        // To the right of the main window where the screen has room, else over it.
        RECT main{};
        GetWindowRect(owner_, &main);
        RECT own{};
        GetWindowRect(window_, &own);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
        const int width = own.right - own.left;
        const int left = main.right + width <= monitor.rcWork.right
                             ? main.right
                             : std::max(monitor.rcWork.left, main.right - width);
        SetWindowPos(window_, nullptr, left, main.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}
