#include "Win32Api.h"

#include "Win32AuxiliaryWindows.h"

#include "Win32ControlIds.h"
#include "Win32WideText.h"
#include "dialogs/DialogTexts.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kWindowClass[] = L"T360KVAuxiliaryWindow";
const COLORREF kCream = RGB(0xFF, 0xF8, 0xE1);

LRESULT CALLBACK AuxiliaryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ControlId(TControl::btnOK) || LOWORD(wParam) == IDCANCEL) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        // The about box is cream, its read-me area white.
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == ControlId(TControl::Memo1))
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        if (GetWindowLongPtrW(window, GWLP_USERDATA) == static_cast<LONG_PTR>(TWindow::frmAbout)) {
            static HBRUSH cream = CreateSolidBrush(kCream);
            SetBkColor(reinterpret_cast<HDC>(wParam), kCream);
            return reinterpret_cast<LRESULT>(cream);
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterAuxiliaryClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = AuxiliaryProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

struct TChild {
    int Id;
    const wchar_t* Class;
    DWORD Style;
    const char* Text;
    int X, Y, Width, Height;
};

struct TWindowSpec {
    TWindow Window;
    DWORD Style;
    DWORD ExStyle;
    int ClientWidth, ClientHeight;
    std::vector<TChild> Children;
};

std::vector<TWindowSpec> WindowSpecs() {
    constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    return {
        {TWindow::frmAbout,
         WS_POPUP | WS_CAPTION | WS_SYSMENU,
         WS_EX_DLGMODALFRAME,
         480,
         360,
         {
             {idProductName, WC_STATICW, kLabel, kProductName, 16, 14, 448, 20},
             {idAboutVersion, WC_STATICW, kLabel, kAboutVersion, 16, 38, 448, 18},
             {idMakerCompany, WC_STATICW, kLabel, kMakerCompany, 16, 58, 448, 18},
             {idMakerWebUrl, WC_STATICW, kLabel, kMakerWebUrl, 16, 78, 448, 18},
             {ControlId(TControl::Memo1), WC_EDITW,
              WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                  ES_AUTOVSCROLL,
              kMakerNotice, 16, 104, 448, 200},
             {ControlId(TControl::btnOK), WC_BUTTONW,
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 384, 318, 80, 28},
         }},
        {TWindow::Form2,
         WS_POPUP | WS_BORDER,
         WS_EX_TOPMOST,
         471,
         188,
         {
             {ControlId(TControl::LabelTimerRemain), WC_STATICW,
              WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, "", 0, 44, 471, 110},
         }},
        {TWindow::frmWaitingProgress,
         WS_POPUP | WS_CAPTION,
         WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED,
         300,
         95,
         {
             {idWaitInfo, WC_STATICW, kLabel, kProgressText, 16, 16, 268, 20},
             {ControlId(TControl::ProgressBar1), PROGRESS_CLASSW, WS_CHILD | WS_VISIBLE, "", 16, 50,
              268, 22},
         }},
    };
}

} // namespace

TWin32AuxiliaryWindows::TWin32AuxiliaryWindows(HWND owner, UINT dpi) : owner_(owner) {
    RegisterAuxiliaryClass();
    auto scale = [dpi](int value) { return MulDiv(value, static_cast<int>(dpi), 96); };
    for (const TWindowSpec& spec : WindowSpecs()) {
        RECT frame{0, 0, scale(spec.ClientWidth), scale(spec.ClientHeight)};
        AdjustWindowRectExForDpi(&frame, spec.Style, FALSE, spec.ExStyle, dpi);
        HWND window = CreateWindowExW(spec.ExStyle, kWindowClass, L"", spec.Style, 0, 0,
                                      frame.right - frame.left, frame.bottom - frame.top, owner,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(spec.Window));
        windows_[static_cast<size_t>(spec.Window)] = window;
        for (const TChild& child : spec.Children) {
            HWND control = CreateWindowExW(
                0, child.Class, WideFromCodePage(1252, child.Text).c_str(), child.Style,
                scale(child.X), scale(child.Y), scale(child.Width), scale(child.Height), window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.Id)), GetModuleHandleW(nullptr),
                nullptr);
            controls_.emplace_back(child.Id, control);
        }
    }
    // The progress dialog lets the main window show through.
    SetLayeredWindowAttributes(Window(TWindow::frmWaitingProgress), 0, 200, LWA_ALPHA);
    SendDlgItemMessageW(Window(TWindow::frmWaitingProgress), ControlId(TControl::ProgressBar1),
                        PBM_SETRANGE32, 0, 10);
}

TWin32AuxiliaryWindows::~TWin32AuxiliaryWindows() {
    for (HWND window : windows_)
        DestroyWindow(window);
}

void TWin32AuxiliaryWindows::SetFonts(HFONT normal, HFONT bold, HFONT italic, HFONT large) {
    for (const auto& [id, control] : controls_) {
        HFONT font = normal;
        if (id == idProductName)
            font = bold;
        else if (id == idWaitInfo)
            font = italic;
        else if (id == ControlId(TControl::LabelTimerRemain))
            font = large;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void TWin32AuxiliaryWindows::Place(TWindow window) const {
    HWND shown = Window(window);
    RECT frame;
    GetWindowRect(shown, &frame);
    RECT around;
    if (window == TWindow::frmWaitingProgress) {
        GetWindowRect(owner_, &around);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
        around = monitor.rcWork;
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(shown, nullptr, around.left + (around.right - around.left - width) / 2,
                 around.top + (around.bottom - around.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
