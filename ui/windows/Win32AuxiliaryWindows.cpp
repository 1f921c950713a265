#include "Win32Api.h"

#include "Win32AuxiliaryWindows.h"

#include "Win32ControlIds.h"
#include "Win32GdiPlusApi.h"
#include "Win32WideText.h"
#include "dialogs/DialogTexts.h"

#include <commctrl.h>

#include <iterator>
#include <string>

namespace {

constexpr wchar_t kWindowClass[] = L"T360KVAuxiliaryWindow";
const COLORREF kCream = RGB(0xFF, 0xF8, 0xE1);
const COLORREF kLinkColour = RGB(0x00, 0x66, 0xCC);

bool IsLink(int id) {
    return id == idMakerCompany || id == idMakerWebUrl;
}

// The maker's logo, drawn for 64 by 64 and scaled to the area: a wave on a round
// sea-blue badge, on the about box's cream.
void DrawLogo(HDC dc, const RECT& area) {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::SolidBrush cream(
        Gdiplus::Color(GetRValue(kCream), GetGValue(kCream), GetBValue(kCream)));
    graphics.FillRectangle(&cream, static_cast<INT>(area.left), static_cast<INT>(area.top),
                           static_cast<INT>(area.right - area.left),
                           static_cast<INT>(area.bottom - area.top));
    graphics.TranslateTransform(static_cast<Gdiplus::REAL>(area.left),
                                static_cast<Gdiplus::REAL>(area.top));
    const auto scale = static_cast<Gdiplus::REAL>(area.right - area.left) / 64;
    graphics.ScaleTransform(scale, scale);
    Gdiplus::SolidBrush sea(Gdiplus::Color(0x1F, 0x5F, 0x9F));
    graphics.FillEllipse(&sea, 2.0F, 2.0F, 60.0F, 60.0F);
    Gdiplus::Pen wave(Gdiplus::Color(0xFF, 0xFF, 0xFF), 5.0F);
    wave.SetStartCap(Gdiplus::LineCapRound);
    wave.SetEndCap(Gdiplus::LineCapRound);
    const Gdiplus::PointF points[] = {{12, 38}, {22, 26}, {30, 50}, {40, 38},
                                      {46, 31}, {50, 33}, {54, 36}};
    graphics.DrawBeziers(&wave, points, static_cast<INT>(std::size(points)));
}

// The countdown's lines, centred across and down the label. A space at a line's end
// would count in its width and push the line off the middle: it is left out.
void DrawCentredText(const DRAWITEMSTRUCT& item) {
    wchar_t buffer[128] = {};
    GetWindowTextW(item.hwndItem, buffer, static_cast<int>(std::size(buffer)));
    std::wstring text;
    for (const wchar_t* c = buffer; *c != L'\0'; ++c) {
        if (*c == L'\n')
            while (!text.empty() && text.back() == L' ')
                text.pop_back();
        text += *c;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ before = SelectObject(
        item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    RECT needed = item.rcItem;
    constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    DrawTextW(item.hDC, text.c_str(), -1, &needed, kFormat | DT_CALCRECT);
    RECT place = item.rcItem;
    place.top += ((item.rcItem.bottom - item.rcItem.top) - (needed.bottom - needed.top)) / 2;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(item.hDC, text.c_str(), -1, &place, kFormat);
    SelectObject(item.hDC, before);
}

bool IsAboutBox(HWND window) {
    return GetWindowLongPtrW(window, GWLP_USERDATA) == static_cast<LONG_PTR>(TWindow::frmAbout);
}

HBRUSH CreamBrush() {
    static HBRUSH cream = CreateSolidBrush(kCream);
    return cream;
}

LRESULT CALLBACK AuxiliaryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (IsAboutBox(window)) {
            RECT area;
            GetClientRect(window, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, CreamBrush());
            return TRUE;
        }
        break;
    case WM_CTLCOLORBTN:
        if (IsAboutBox(window))
            return reinterpret_cast<LRESULT>(CreamBrush());
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == static_cast<UINT>(idAboutLogo))
            DrawLogo(item.hDC, item.rcItem);
        else
            DrawCentredText(item);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (IsLink(GetDlgCtrlID(reinterpret_cast<HWND>(wParam)))) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ControlId(TControl::btnOK) || LOWORD(wParam) == IDCANCEL) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        // The main window tells the controller of a click on a link.
        if (IsLink(LOWORD(wParam)) && HIWORD(wParam) == STN_CLICKED)
            return SendMessageW(GetWindow(window, GW_OWNER), message, wParam, lParam);
        break;
    case WM_CTLCOLORSTATIC:
        // The about box is cream, its read-me area white.
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == ControlId(TControl::Memo1))
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        if (IsAboutBox(window)) {
            SetBkColor(reinterpret_cast<HDC>(wParam), kCream);
            if (IsLink(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))))
                SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
            return reinterpret_cast<LRESULT>(CreamBrush());
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
    constexpr DWORD kLink = kLabel | SS_NOTIFY;
    return {
        {TWindow::frmAbout,
         WS_POPUP | WS_CAPTION | WS_SYSMENU,
         WS_EX_DLGMODALFRAME,
         480,
         360,
         {
             {idAboutLogo, WC_STATICW, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, "", 16, 14, 64, 64},
             {idProductName, WC_STATICW, kLabel, kProductName, 96, 14, 368, 20},
             {idAboutVersion, WC_STATICW, kLabel, kAboutVersion, 96, 38, 368, 18},
             {idMakerCompany, WC_STATICW, kLink, kMakerCompany, 96, 58, 368, 18},
             {idMakerWebUrl, WC_STATICW, kLink, kMakerWebUrl, 96, 78, 368, 18},
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
              WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, "", 0, 0, 471, 188},
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
    for (const TWindowSpec& entry : WindowSpecs()) {
        RECT frame{0, 0, scale(entry.ClientWidth), scale(entry.ClientHeight)};
        AdjustWindowRectExForDpi(&frame, entry.Style, FALSE, entry.ExStyle, dpi);
        HWND window = CreateWindowExW(entry.ExStyle, kWindowClass, L"", entry.Style, 0, 0,
                                      frame.right - frame.left, frame.bottom - frame.top, owner,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(entry.Window));
        windows_[static_cast<size_t>(entry.Window)] = window;
        for (const TChild& child : entry.Children) {
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
    if (linkFont_ != nullptr)
        DeleteObject(linkFont_);
}

void TWin32AuxiliaryWindows::SetFonts(HFONT normal, HFONT bold, HFONT italic, HFONT large) {
    LOGFONTW underlined{};
    GetObjectW(normal, sizeof underlined, &underlined);
    underlined.lfUnderline = TRUE;
    HFONT previousLinkFont = linkFont_;
    linkFont_ = CreateFontIndirectW(&underlined);
    for (const auto& [id, control] : controls_) {
        HFONT font = normal;
        if (IsLink(id))
            font = linkFont_;
        else if (id == idProductName)
            font = bold;
        else if (id == idWaitInfo)
            font = italic;
        else if (id == ControlId(TControl::LabelTimerRemain))
            font = large;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (previousLinkFont != nullptr)
        DeleteObject(previousLinkFont);
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

void TWin32AuxiliaryWindows::PrepareAboutBox(const std::wstring& aboutItemCaption) const {
    HWND box = Window(TWindow::frmAbout);
    SetWindowTextW(box, AboutTitle(aboutItemCaption).c_str());
    // Loading the read-me leaves the view at its last line; the box opens at the top.
    HWND readMe = GetDlgItem(box, ControlId(TControl::Memo1));
    SendMessageW(readMe, EM_SETSEL, 0, 0);
    SendMessageW(readMe, EM_SCROLLCARET, 0, 0);
}

std::wstring AboutTitle(const std::wstring& aboutItemCaption) {
    std::wstring words;
    for (size_t i = 0; i < aboutItemCaption.size(); ++i) {
        const wchar_t c = aboutItemCaption[i];
        // "(&A)" goes whole; a lone "&" marks the next character, which stays.
        if (c == L'(' && i + 3 < aboutItemCaption.size() && aboutItemCaption[i + 1] == L'&' &&
            aboutItemCaption[i + 3] == L')') {
            i += 3;
            continue;
        }
        if (c != L'&')
            words += c;
    }
    while (!words.empty() && words.back() == L' ')
        words.pop_back();
    return words + L" " + WideFromCodePage(1252, kProductName);
}
