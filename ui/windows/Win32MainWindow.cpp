#include "Win32Api.h"

#include "Win32MainWindow.h"

#include "Win32CheckIcons.h"
#include "Win32ControlIds.h"
#include "Win32Fonts.h"
#include "Win32MainMenu.h"
#include "Win32WideText.h"
#include "log/DataLogPage.h"
#include "serial/win32/PortNotifications.h"
#include "view/Texts.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kWindowClass[] = L"T360KVMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kDropDownHeight = 200; // the open list of a drop-down list
constexpr int kApplicationIcon = 1;  // the icon's resource id

struct TPageCaption {
    int Page;
    const char* Caption;
};

struct TTabsSpec {
    TControl Control;
    std::vector<TPageCaption> Tabs;
};

// The pages offered as tabs. The NETWORK page (2) of PageControlConf is never offered:
// no tab at all, so that no click or key brings it to the front.
const TTabsSpec kTabs[] = {
    {TControl::PageControlMain,
     {{pgConfiguration, "Configuration"}, {pgDiagnostics, "Diagnostics"}}},
    {TControl::PageControlConf,
     {{pgBaudRate, "BAUD RATE"}, {pgInternalGps, "INTERNAL GPS"}, {pgRestore, "RESTORE"}}},
    {TControl::PageControlDiagnosis,
     {{pgSystemCheck, "SYSTEM CHECK"},
      {pgGpsStatus, "GPS STATUS"},
      {pgDataLog, "DATA LOG"},
      {pgAisStations, "AIS STATIONS"}}},
};

// The lists whose items are the window's own; the controller fills the others.
struct TFixedItems {
    TControl List;
    std::vector<const wchar_t*> Items;
};

const TFixedItems kFixedItems[] = {
    {TControl::ComboBoxDeviceItem, {L"USB", L"RS-232/NMEA-0183"}},
    // The PC-side rate matters only for RS-232/NMEA-0183; USB is selected at start.
    {TControl::ComboBoxBaudRate, {L"115200", L"57600", L"38400", L"19200", L"9600", L"4800"}},
};

struct TWindowKind {
    const wchar_t* Class;
    DWORD Style;
    DWORD ExStyle;
};

TWindowKind WindowKind(TKind kind) {
    constexpr DWORD kEditFrame = WS_EX_CLIENTEDGE;
    switch (kind) {
    case TKind::Label:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case TKind::CenteredLabel:
        return {WC_STATICW, SS_CENTER | SS_NOPREFIX, 0};
    case TKind::StatusLabel:
        // "Replaying" and a long log name: shortened at its end rather than cut off. (A
        // path ellipsis without a backslash in the text shortens both ends under wine.)
        return {WC_STATICW, SS_CENTER | SS_NOPREFIX | SS_NOTIFY | SS_ENDELLIPSIS, 0};
    case TKind::Button:
        return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case TKind::CheckBox:
        return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case TKind::ToggleButton:
        return {WC_BUTTONW, BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 0};
    case TKind::DropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case TKind::SortedDropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0};
    case TKind::ReadOnlyEdit:
        return {WC_EDITW, ES_READONLY | ES_AUTOHSCROLL, kEditFrame};
    case TKind::Edit:
    case TKind::FilterEdit:
        return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, kEditFrame};
    case TKind::LogView:
        return {WC_EDITW,
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                    WS_HSCROLL | WS_TABSTOP,
                kEditFrame};
    case TKind::PageControl:
        return {WC_TABCONTROLW, WS_TABSTOP, 0};
    case TKind::StationGrid:
        return {WC_LISTVIEWW,
                LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP,
                kEditFrame};
    case TKind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
    case TKind::CheckIcon:
    case TKind::DrawingArea:
        return {WC_STATICW, SS_OWNERDRAW, 0};
    case TKind::Background:
        return {WC_STATICW, SS_LEFT, 0};
    }
    return {WC_STATICW, 0, 0};
}

bool IsDropDown(TKind kind) {
    return kind == TKind::DropDownList || kind == TKind::SortedDropDownList;
}

// Enter in the command line sends, as its button does; a text pasted into it that would
// make it longer than a command may be is refused whole, where the length limit would
// cut it silently.
LRESULT CALLBACK CommandLineProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_GETDLGCODE:
        if (wParam == VK_RETURN)
            return DLGC_WANTALLKEYS | DefSubclassProc(edit, message, wParam, lParam);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            SendMessageW(GetParent(edit), kEnterPressed, static_cast<WPARAM>(GetDlgCtrlID(edit)),
                         0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r')
            return 0;
        break;
    case WM_PASTE: {
        if (!OpenClipboard(edit))
            break;
        size_t pasted = 0;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                pasted = wcslen(text);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        const size_t kept = static_cast<size_t>(GetWindowTextLengthW(edit)) - (end - start);
        if (kept + pasted > static_cast<size_t>(kCommandTextMaxLength)) {
            MessageBeep(MB_ICONWARNING);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void RegisterMainWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(kApplicationIcon));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

TWin32MainWindow::TWin32MainWindow() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                     ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                     ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    RegisterMainWindowClass(&Procedure);
    menuBar_ = CreateMainMenu();
    window_ = CreateWindowExW(0, kWindowClass, WideFromCodePage(1252, kApplicationTitle).c_str(),
                              kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth,
                              kClientHeight, nullptr, menuBar_, GetModuleHandleW(nullptr), this);
    dpi_ = GetDpiForWindow(window_);
    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    CreateControls();
    CreateTabs();
    // Without notifications the list is still right at start; it then misses ports that
    // come and go, as it would on a system that sends none.
    portNotifications_ = static_cast<HDEVNOTIFY>(RegisterPortNotifications(window_));
    auxiliary_ = std::make_unique<TWin32AuxiliaryWindows>(window_, dpi_);
    for (const auto& [id, control] : auxiliary_->Controls())
        controls_[id] = TControlState{control, TKind::Label, TPlace::Top, true};
    stationDetails_ = std::make_unique<TWin32StationDetails>(window_, dpi_);
    AddToolTip(ControlId(TControl::OpenPort), L"Connect serial port");
    // Shows the whole status only while the label shows it shortened.
    AddToolTip(ControlId(TControl::LabelConnectionStatus), L"");
    SetLanguage(laEnglish);
    UpdateVisibility();
}

TWin32MainWindow::~TWin32MainWindow() {
    events_ = nullptr;
    if (portNotifications_ != nullptr)
        UnregisterDeviceNotification(portNotifications_);
    stationDetails_.reset();
    auxiliary_.reset();
    if (window_ != nullptr)
        DestroyWindow(window_);
    for (HFONT font : fonts_)
        DeleteObject(font);
    if (paneBrush_ != nullptr)
        DeleteObject(paneBrush_);
}

void TWin32MainWindow::CreateControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const TControlSpec& entry : MainWindowControls()) {
        const TWindowKind kind = WindowKind(entry.Kind);
        HWND control = CreateWindowExW(
            kind.ExStyle, kind.Class, WideFromCodePage(1252, entry.Text).c_str(),
            WS_CHILD | WS_CLIPSIBLINGS | kind.Style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.Id)), instance, nullptr);
        controls_[entry.Id] = TControlState{control, entry.Kind, entry.Place, entry.Shown};
        if (entry.Kind == TKind::LogView)
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // as much as memory holds
    }
    for (const TFixedItems& list : kFixedItems) {
        HWND combo = Control(ControlId(list.List));
        for (const wchar_t* item : list.Items)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
    }
    HWND command = Control(ControlId(TControl::LabeledEditCommandText));
    SendMessageW(command, EM_SETLIMITTEXT, kCommandTextMaxLength, 0);
    SetWindowSubclass(command, CommandLineProcedure, 1, 0);
    stationGrid_.Attach(Control(ControlId(TControl::GridStations)), dpi_);
    SendMessageW(Control(ControlId(TControl::EditStationFilter)), EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(L"MMSI or name"));
    // The page controls lie under the controls of their pages, the panel under all.
    for (TControl below : {TControl::PageControlConf, TControl::PageControlDiagnosis,
                           TControl::PageControlMain, TControl::PanelReplay, TControl::PanelView})
        SetWindowPos(Control(ControlId(below)), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWin32MainWindow::CreateTabs() {
    for (const TTabsSpec& entry : kTabs) {
        TPageControl pages{ControlId(entry.Control), {}};
        HWND tabs = Control(pages.Id);
        for (const TPageCaption& tab : entry.Tabs) {
            std::wstring caption = WideFromCodePage(1252, tab.Caption);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(tabs, TCM_INSERTITEMW, pages.Pages.size(),
                         reinterpret_cast<LPARAM>(&item));
            pages.Pages.push_back(tab.Page);
        }
        pageControls_.push_back(std::move(pages));
    }
}

void TWin32MainWindow::AddToolTip(int id, const wchar_t* text) {
    if (toolTip_ == nullptr)
        toolTip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                            0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TWin32MainWindow::UpdateStatusTip() {
    HWND status = Control(ControlId(TControl::LabelConnectionStatus));
    if (toolTip_ == nullptr || status == nullptr)
        return;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(status)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(status, text.data(), static_cast<int>(text.size()))));
    RECT area{};
    GetClientRect(status, &area);
    HDC dc = GetDC(status);
    HGDIOBJ before = SelectObject(dc, fonts_[0]);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(status, dc);
    std::wstring tip = size.cx > area.right - area.left ? text : std::wstring();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(status);
    tool.lpszText = tip.data();
    SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring TWin32MainWindow::ToolTipText(int id) const {
    wchar_t text[512] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
    tool.lpszText = text;
    if (toolTip_ != nullptr)
        SendMessageW(toolTip_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

HWND TWin32MainWindow::Control(int id) const {
    auto found = controls_.find(id);
    return found != controls_.end() ? found->second.Window : nullptr;
}

TKind TWin32MainWindow::KindOf(int id) const {
    auto found = controls_.find(id);
    return found != controls_.end() ? found->second.Kind : TKind::Label;
}

const TWin32MainWindow::TPageControl* TWin32MainWindow::PageControl(int id) const {
    for (const TPageControl& pages : pageControls_)
        if (pages.Id == id)
            return &pages;
    return nullptr;
}

int TWin32MainWindow::ActivePage(int id) const {
    const TPageControl* pages = PageControl(id);
    if (pages == nullptr)
        return -1;
    const auto tab = static_cast<int>(SendMessageW(Control(id), TCM_GETCURSEL, 0, 0));
    return tab >= 0 && tab < static_cast<int>(pages->Pages.size()) ? pages->Pages[tab] : -1;
}

void TWin32MainWindow::SetActivePage(int id, int page) {
    const TPageControl* pages = PageControl(id);
    if (pages == nullptr)
        return;
    for (size_t tab = 0; tab < pages->Pages.size(); ++tab)
        if (pages->Pages[tab] == page) {
            SendMessageW(Control(id), TCM_SETCURSEL, tab, 0);
            UpdateVisibility();
            return;
        }
}

void TWin32MainWindow::SetPageCaption(int id, int page, const std::wstring& caption) {
    const TPageControl* pages = PageControl(id);
    if (pages == nullptr)
        return;
    for (size_t tab = 0; tab < pages->Pages.size(); ++tab)
        if (pages->Pages[tab] == page) {
            std::wstring text = caption;
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(Control(id), TCM_SETITEMW, tab, reinterpret_cast<LPARAM>(&item));
        }
    // A caption of another width moves the tabs' row, and the pages' area with it.
    Layout();
}

void TWin32MainWindow::SetControlShown(int id, bool shown) {
    auto found = controls_.find(id);
    if (found == controls_.end())
        return;
    found->second.Shown = shown;
    // The top strip closes up while the PC baud rate is hidden; the pages make room for
    // the replay's row while it shows.
    if (id == ControlId(TControl::ComboBoxBaudRate) || id == ControlId(TControl::PanelReplay))
        Layout();
    UpdateVisibility();
}

bool TWin32MainWindow::PlaceShown(TPlace place) const {
    const auto panelShown = [this] { return controls_.at(ControlId(TControl::PanelView)).Shown; };
    const auto confPage = [this] { return ActivePage(ControlId(TControl::PageControlConf)); };
    const auto diagnosisPage = [this] {
        return ActivePage(ControlId(TControl::PageControlDiagnosis));
    };
    const int mainPage = ActivePage(ControlId(TControl::PageControlMain));
    switch (place) {
    case TPlace::Top:
        return true;
    case TPlace::Replay:
        return controls_.at(ControlId(TControl::PanelReplay)).Shown;
    case TPlace::Panel:
        return panelShown();
    case TPlace::Configuration:
        return panelShown() && mainPage == pgConfiguration;
    case TPlace::Diagnostics:
        return panelShown() && mainPage == pgDiagnostics;
    case TPlace::BaudRate:
        return PlaceShown(TPlace::Configuration) && confPage() == pgBaudRate;
    case TPlace::InternalGps:
        return PlaceShown(TPlace::Configuration) && confPage() == pgInternalGps;
    case TPlace::Network:
        return PlaceShown(TPlace::Configuration) && confPage() == pgNetwork;
    case TPlace::Restore:
        return PlaceShown(TPlace::Configuration) && confPage() == pgRestore;
    case TPlace::SystemCheck:
        return PlaceShown(TPlace::Diagnostics) && diagnosisPage() == pgSystemCheck;
    case TPlace::GpsStatus:
        return PlaceShown(TPlace::Diagnostics) && diagnosisPage() == pgGpsStatus;
    case TPlace::DataLog:
        return PlaceShown(TPlace::Diagnostics) && diagnosisPage() == pgDataLog;
    case TPlace::AisStations:
        return PlaceShown(TPlace::Diagnostics) && diagnosisPage() == pgAisStations;
    }
    return false;
}

void TWin32MainWindow::UpdateVisibility() {
    for (const TControlSpec& entry : MainWindowControls()) {
        const TControlState& state = controls_.at(entry.Id);
        const bool shown = state.Shown && PlaceShown(state.Place);
        if ((IsWindowVisible(state.Window) != FALSE) != shown ||
            ((GetWindowLongW(state.Window, GWL_STYLE) & WS_VISIBLE) != 0) != shown)
            ShowWindow(state.Window, shown ? SW_SHOWNA : SW_HIDE);
    }
    for (const auto& [id, control] : auxiliary_->Controls())
        ShowWindow(control, controls_.at(id).Shown ? SW_SHOWNA : SW_HIDE);
}

RECT TWin32MainWindow::AreaOf(TPlace place) const {
    RECT area{};
    int pagesId = 0;
    switch (place) {
    case TPlace::Top:
    case TPlace::Replay:
        GetClientRect(window_, &area);
        return area;
    case TPlace::Panel:
        GetClientRect(window_, &area);
        if (controls_.at(ControlId(TControl::PanelReplay)).Shown)
            area.top += Scale(kReplayRowHeight);
        return area;
    case TPlace::Configuration:
    case TPlace::Diagnostics:
        pagesId = ControlId(TControl::PageControlMain);
        break;
    case TPlace::BaudRate:
    case TPlace::InternalGps:
    case TPlace::Network:
    case TPlace::Restore:
        pagesId = ControlId(TControl::PageControlConf);
        break;
    case TPlace::SystemCheck:
    case TPlace::GpsStatus:
    case TPlace::DataLog:
    case TPlace::AisStations:
        pagesId = ControlId(TControl::PageControlDiagnosis);
        break;
    }
    HWND pages = Control(pagesId);
    GetWindowRect(pages, &area);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    SendMessageW(pages, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void TWin32MainWindow::Layout() {
    if (auxiliary_ == nullptr)
        return; // still being built
    const bool baudShown = controls_.at(ControlId(TControl::ComboBoxBaudRate)).Shown;
    // In table order, so that a page control has its place before the controls on it.
    for (const TControlSpec& entry : MainWindowControls()) {
        const RECT area = AreaOf(entry.Place);
        const int areaWidth = area.right - area.left;
        const int areaHeight = area.bottom - area.top;
        int x = entry.X < 0 ? areaWidth + Scale(entry.X) : Scale(entry.X);
        const int y = entry.Y < 0 ? areaHeight + Scale(entry.Y) : Scale(entry.Y);
        const int width = entry.Width > 0 ? Scale(entry.Width) : areaWidth - x + Scale(entry.Width);
        int height = entry.Height > 0 ? Scale(entry.Height) : areaHeight - y + Scale(entry.Height);
        if (entry.Place == TPlace::Top && !baudShown && entry.X >= kBaudColumnX + kBaudColumnWidth)
            x -= Scale(kBaudColumnWidth);
        if (IsDropDown(entry.Kind))
            height += Scale(kDropDownHeight);
        MoveWindow(Control(entry.Id), area.left + x, area.top + y, width, height, TRUE);
    }
}

void TWin32MainWindow::SetLanguage(TLanguage language) {
    language_ = language;
    stationGrid_.SetLanguage(language);
    ApplyFonts();
}

void TWin32MainWindow::ApplyFonts() {
    std::array<HFONT, 4> old = fonts_;
    fonts_ = {CreateWindowFont(language_, TFontStyle::Normal, dpi_),
              CreateWindowFont(language_, TFontStyle::Bold, dpi_),
              CreateWindowFont(language_, TFontStyle::Italic, dpi_),
              CreateWindowFont(language_, TFontStyle::LargeBold, dpi_)};
    for (const TControlSpec& entry : MainWindowControls())
        SendMessageW(Control(entry.Id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[0]), TRUE);
    auxiliary_->SetFonts(fonts_[0], fonts_[1], fonts_[2], fonts_[3]);
    stationDetails_->SetFont(fonts_[0]);
    for (HFONT font : old)
        DeleteObject(font);
    // The tabs' height follows the font, and whether the status fits in its label too.
    Layout();
    UpdateStatusTip();
    InvalidateRect(window_, nullptr, TRUE);
}

void TWin32MainWindow::SetTimerRunning(TTimer timer, bool running) {
    bool& state = running_[static_cast<size_t>(timer)];
    if (running && !state)
        SetTimer(window_, TimerId(timer), static_cast<UINT>(TimerInterval(timer)), nullptr);
    else if (!running && state)
        KillTimer(window_, TimerId(timer));
    state = running;
}

void TWin32MainWindow::SetTextColor(int id, COLORREF color) {
    textColors_[id] = color;
    InvalidateRect(Control(id), nullptr, TRUE);
}

void TWin32MainWindow::SetCheckIcon(int id, int index) {
    checkIcons_[id] = index;
    InvalidateRect(Control(id), nullptr, TRUE);
}

LRESULT CALLBACK TWin32MainWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* created = static_cast<TWin32MainWindow*>(creating->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<TWin32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

void TWin32MainWindow::OnCommand(int id, int code) {
    if (events_ == nullptr)
        return;
    switch (KindOf(id)) {
    case TKind::Button:
    case TKind::CheckBox:
    case TKind::ToggleButton:
        if (code == BN_CLICKED)
            events_->ControlActivated(id);
        break;
    case TKind::DropDownList:
    case TKind::SortedDropDownList:
        if (code == CBN_SELCHANGE)
            events_->ControlActivated(id);
        break;
    case TKind::StatusLabel:
        if (code == STN_DBLCLK)
            events_->ControlActivated(id);
        break;
    case TKind::FilterEdit:
        if (code == EN_CHANGE)
            events_->ControlActivated(id);
        break;
    case TKind::Label: // the about box's links
        if (code == STN_CLICKED)
            events_->ControlActivated(id);
        break;
    default:
        break;
    }
}

LRESULT TWin32MainWindow::OnControlColor(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    auto found = textColors_.find(id);
    const bool onPane = OnPane(id);
    if (found == textColors_.end() && !onPane)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    if (found != textColors_.end())
        ::SetTextColor(dc, found->second);
    const HBRUSH ground = onPane ? PaneBrush() : GetSysColorBrush(COLOR_BTNFACE);
    SetBkColor(dc, onPane ? paneColour_ : GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(ground);
}

bool TWin32MainWindow::OnPane(int id) const {
    auto found = controls_.find(id);
    if (found == controls_.end())
        return false;
    const TControlState& state = found->second;
    const bool textOnGround = state.Kind == TKind::Label || state.Kind == TKind::CenteredLabel ||
                              state.Kind == TKind::CheckBox || state.Kind == TKind::CheckIcon;
    return textOnGround && state.Place >= TPlace::BaudRate;
}

HBRUSH TWin32MainWindow::PaneBrush() {
    if (paneBrush_ != nullptr)
        return paneBrush_;
    // A theme may draw the pages' pane in another colour than the window's face: the
    // texts on a page stand on the pane's colour, read from the pane as drawn.
    HWND pages = Control(ControlId(TControl::PageControlDiagnosis));
    RECT area{};
    GetClientRect(pages, &area);
    paneColour_ = GetSysColor(COLOR_BTNFACE);
    if (area.right > 0 && area.bottom > 0) {
        HDC screen = GetDC(pages);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP picture = CreateCompatibleBitmap(screen, area.right, area.bottom);
        HGDIOBJ before = SelectObject(memory, picture);
        SendMessageW(pages, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                     PRF_CLIENT | PRF_ERASEBKGND);
        RECT display = area;
        SendMessageW(pages, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        const COLORREF drawn = GetPixel(memory, (display.left + display.right) / 2,
                                        (display.top + display.bottom) / 2);
        if (drawn != CLR_INVALID)
            paneColour_ = drawn;
        SelectObject(memory, before);
        DeleteObject(picture);
        DeleteDC(memory);
        ReleaseDC(pages, screen);
    }
    paneBrush_ = CreateSolidBrush(paneColour_);
    return paneBrush_;
}

void TWin32MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    if (KindOf(id) == TKind::CheckIcon) {
        FillRect(item.hDC, &item.rcItem, PaneBrush());
        auto icon = checkIcons_.find(id);
        if (icon != checkIcons_.end())
            DrawCheckIcon(item.hDC, item.rcItem, icon->second);
        return;
    }
    if (id == idSnrChart) {
        snrChart_.Paint(item.hDC, item.rcItem, fonts_[0]);
        return;
    }
    if (id == ControlId(TControl::PaintBoxCoverage)) {
        coverage_.Paint(item.hDC, item.rcItem, fonts_[0]);
        return;
    }
    const std::optional<SIZE> drawn = skyMap_.Paint(item.hDC, item.rcItem, dpi_);
    if (drawn && events_ != nullptr)
        events_->SatelliteMapDrawn(drawn->cx, drawn->cy);
}

void TWin32MainWindow::OnNotify(const NMHDR& notice) {
    if (notice.code == TCN_SELCHANGE) {
        UpdateVisibility();
        if (events_ != nullptr)
            events_->PageChosen(static_cast<int>(notice.idFrom));
        return;
    }
    if (static_cast<int>(notice.idFrom) != ControlId(TControl::GridStations))
        return;
    const TWin32StationGrid::TAction action = stationGrid_.OnNotify(notice);
    if (events_ == nullptr)
        return;
    switch (action.Kind) {
    case TWin32StationGrid::TAction::SortByColumn:
        events_->StationColumnClicked(action.Column);
        break;
    case TWin32StationGrid::TAction::ShowDetails:
        events_->ControlActivated(ControlId(TControl::GridStations));
        break;
    case TWin32StationGrid::TAction::None:
        break;
    }
}

void TWin32MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    stationGrid_.SetDpi(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyFonts();
}

LRESULT TWin32MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {
            // A menu item.
            if (events_ != nullptr && LOWORD(wParam) >= kControlIdBase)
                events_->ControlActivated(LOWORD(wParam));
        } else {
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    case kEnterPressed:
        if (events_ != nullptr)
            events_->ControlActivated(static_cast<int>(wParam));
        return 0;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_TIMER:
        if (events_ != nullptr && wParam >= TimerId(kAllTimers[0]) &&
            wParam < TimerId(kAllTimers[0]) + std::size(kAllTimers))
            events_->TimerFired(static_cast<TTimer>(wParam - TimerId(kAllTimers[0])));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        if (paneBrush_ != nullptr)
            DeleteObject(paneBrush_);
        paneBrush_ = nullptr; // read again from the pane at the next painting
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DEVICECHANGE:
        if (events_ != nullptr && IsPortChangeMessage(message, wParam, lParam))
            events_->PortsChanged();
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        if (events_ == nullptr || events_->CloseRequested())
            DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        if (quitWhenDestroyed_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}
