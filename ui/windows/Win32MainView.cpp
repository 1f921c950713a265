#include "Win32Api.h"

#include "Win32MainView.h"

#include "Win32ControlIds.h"
#include "Win32MainMenu.h"
#include "Win32MainWindow.h"
#include "Win32WideText.h"
#include "view/Texts.h"

#include <commctrl.h>
#include <commdlg.h>

#include <iterator>
#include <vector>

namespace {

// The port selector lists the ports by their names in the system, which are UTF-8
// whatever the window's language: a USB device's product string, a simulator's name.
bool HoldsSystemNames(TControl list) {
    return list == TControl::cbxDeviceComEnum;
}

bool IsList(TKind kind) {
    return kind == TKind::DropDownList || kind == TKind::SortedDropDownList;
}

UINT MenuFlag(const TMenuItemPlace& place) {
    return place.ByPosition ? MF_BYPOSITION : MF_BYCOMMAND;
}

UINT MessageBoxFlags(TMessageButtons buttons, TMessageIcon icon) {
    UINT flags = 0;
    switch (buttons) {
    case TMessageButtons::Ok:
        flags = MB_OK;
        break;
    case TMessageButtons::OkCancel:
        flags = MB_OKCANCEL;
        break;
    case TMessageButtons::YesNo:
        flags = MB_YESNO;
        break;
    }
    switch (icon) {
    case TMessageIcon::None:
        break;
    case TMessageIcon::Warning:
        flags |= MB_ICONWARNING;
        break;
    case TMessageIcon::Error:
        flags |= MB_ICONERROR;
        break;
    }
    return flags;
}

// "Report File (*.TXT)|*.TXT|All (*.*)|*.*" as the dialog takes it: each part ended by a
// NUL, and one more NUL after the last.
std::wstring DialogFilter(const std::wstring& filter) {
    std::wstring parts = filter;
    for (wchar_t& character : parts)
        if (character == L'|')
            character = L'\0';
    parts.push_back(L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

HWND TWin32MainView::Find(TControl control) const {
    HWND found = window_.Control(ControlId(control));
    if (found == nullptr) {
        std::string note =
            std::string("The main window has no control named ") + ControlName(control) + "\n";
        OutputDebugStringA(note.c_str());
    }
    return found;
}

std::wstring TWin32MainView::Wide(TControl control, const std::string& text) const {
    return HoldsSystemNames(control) ? WideFromUtf8(text) : WideFromText(language_, text);
}

std::string TWin32MainView::Narrow(TControl control, const std::wstring& text) const {
    return HoldsSystemNames(control) ? Utf8FromWide(text) : TextFromWide(language_, text);
}

void TWin32MainView::ShowMessage(const std::string& text) {
    MessageBox(text, kApplicationTitle, TMessageButtons::Ok);
}

TMessageAnswer TWin32MainView::MessageBox(const std::string& text, const std::string& caption,
                                          TMessageButtons buttons, TMessageIcon icon) {
    if (answer_)
        return answer_(text, caption, buttons, icon);
    const int pressed =
        ::MessageBoxW(window_.Handle(), WideFromText(language_, text).c_str(),
                      WideFromText(language_, caption).c_str(), MessageBoxFlags(buttons, icon));
    return static_cast<TMessageAnswer>(pressed);
}

void TWin32MainView::SetText(TControl control, const std::string& text) {
    const std::wstring value = Wide(control, text);
    if (IsMenuControl(control)) {
        const TMenuItemPlace place = MenuItemOf(window_.MenuBar(), control);
        if (place.Menu == nullptr)
            return; // the Option menu is never shown
        std::wstring caption = value;
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = caption.data();
        SetMenuItemInfoW(place.Menu, place.Item, place.ByPosition, &item);
        DrawMenuBar(window_.Handle());
        return;
    }
    if (control == TControl::TabSheetBaudRate) {
        window_.SetPageCaption(ControlId(TControl::PageControlConf), pgBaudRate, value);
        return;
    }
    if (control == TControl::TabSheetAisStations) {
        window_.SetPageCaption(ControlId(TControl::PageControlDiagnosis), pgAisStations, value);
        return;
    }
    HWND found = Find(control);
    if (found == nullptr)
        return;
    auto log = logs_.find(ControlId(control));
    if (window_.KindOf(ControlId(control)) == TKind::LogView || log != logs_.end()) {
        TWin32LogView& view = logs_[ControlId(control)];
        view.Clear(found);
        size_t start = 0;
        while (start <= value.size()) {
            size_t end = value.find(L'\n', start);
            std::wstring line = value.substr(start, end == std::wstring::npos ? end : end - start);
            if (!line.empty() && line.back() == L'\r')
                line.pop_back();
            view.Append(found, line);
            if (end == std::wstring::npos)
                break;
            start = end + 1;
        }
        return;
    }
    SetWindowTextW(found, value.c_str());
    if (control == TControl::LabelConnectionStatus)
        window_.UpdateStatusTip();
}

void TWin32MainView::SetEnabled(TControl control, bool enabled) {
    if (IsMenuControl(control)) {
        const TMenuItemPlace place = MenuItemOf(window_.MenuBar(), control);
        if (place.Menu != nullptr) {
            EnableMenuItem(place.Menu, place.Item,
                           MenuFlag(place) | (enabled ? MF_ENABLED : MF_GRAYED));
            DrawMenuBar(window_.Handle());
        }
        return;
    }
    if (HWND found = Find(control))
        EnableWindow(found, enabled ? TRUE : FALSE);
}

void TWin32MainView::SetVisible(TControl control, bool visible) {
    // The menus of the bar are always shown; the Option menu never is.
    if (IsMenuControl(control))
        return;
    if (Find(control) != nullptr)
        window_.SetControlShown(ControlId(control), visible);
}

void TWin32MainView::SetChecked(TControl control, bool checked) {
    if (IsMenuControl(control)) {
        const TMenuItemPlace place = MenuItemOf(window_.MenuBar(), control);
        if (place.Menu == nullptr)
            return;
        // The language items are one group: checking one unchecks the others.
        if (checked && control >= kLanguageItems[0] && control <= kLanguageItems[2])
            CheckMenuRadioItem(place.Menu, ControlId(kLanguageItems[0]),
                               ControlId(kLanguageItems[2]), place.Item, MF_BYCOMMAND);
        else
            CheckMenuItem(place.Menu, place.Item,
                          MenuFlag(place) | (checked ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    if (HWND found = Find(control))
        SendMessageW(found, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TWin32MainView::SetFontColor(TControl control, TFontColor color) {
    if (Find(control) != nullptr)
        window_.SetTextColor(ControlId(control),
                             color == TFontColor::Red ? RGB(0xFF, 0, 0) : RGB(0, 0, 0));
}

void TWin32MainView::ListClear(TControl list) {
    HWND found = Find(list);
    if (found == nullptr)
        return;
    if (IsList(window_.KindOf(ControlId(list))))
        SendMessageW(found, CB_RESETCONTENT, 0, 0);
    else
        logs_[ControlId(list)].Clear(found);
}

void TWin32MainView::ListAdd(TControl list, const std::string& item) {
    // A sorted list (the port selector) puts the item in its place; adding leaves the
    // selection as it was, also in an empty list.
    if (HWND found = Find(list))
        SendMessageW(found, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(list, item).c_str()));
}

int TWin32MainView::ListCount(TControl list) {
    HWND found = Find(list);
    return found != nullptr ? static_cast<int>(SendMessageW(found, CB_GETCOUNT, 0, 0)) : 0;
}

std::string TWin32MainView::ListItem(TControl list, int index) {
    HWND found = Find(list);
    if (found == nullptr)
        return {};
    const auto length = SendMessageW(found, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(found, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return Narrow(list, text);
}

int TWin32MainView::ItemIndex(TControl list) {
    HWND found = Find(list);
    return found != nullptr ? static_cast<int>(SendMessageW(found, CB_GETCURSEL, 0, 0)) : -1;
}

void TWin32MainView::SetItemIndex(TControl list, int index) {
    if (HWND found = Find(list))
        SendMessageW(found, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TWin32MainView::DropDown(TControl list) {
    if (HWND found = Find(list))
        SendMessageW(found, CB_SHOWDROPDOWN, TRUE, 0);
}

int TWin32MainView::ActivePage(TControl pages) {
    return window_.ActivePage(ControlId(pages));
}

void TWin32MainView::SetActivePage(TControl pages, int index) {
    // A page chosen by the controller is no page change by the user: the controller
    // follows up itself.
    window_.SetActivePage(ControlId(pages), index);
}

void TWin32MainView::AppendLine(TControl memo, const std::string& line) {
    if (HWND found = Find(memo))
        logs_[ControlId(memo)].Append(found, Wide(memo, line));
}

void TWin32MainView::SetTimerEnabled(TTimer timer, bool enabled) {
    window_.SetTimerRunning(timer, enabled);
}

void TWin32MainView::CloseWindow() {
    SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
}

bool TWin32MainView::Checked(TControl control) {
    if (IsMenuControl(control)) {
        const TMenuItemPlace place = MenuItemOf(window_.MenuBar(), control);
        return place.Menu != nullptr &&
               (GetMenuState(place.Menu, place.Item, MenuFlag(place)) & MF_CHECKED) != 0;
    }
    HWND found = Find(control);
    return found != nullptr && SendMessageW(found, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TWin32MainView::ShowWindow(TWindow window) {
    if (window == TWindow::frmAbout) {
        const TMenuItemPlace about = MenuItemOf(window_.MenuBar(), TControl::mnuAbout);
        wchar_t caption[64] = {};
        GetMenuStringW(about.Menu, about.Item, caption, static_cast<int>(std::size(caption)),
                       MenuFlag(about));
        window_.Auxiliary().PrepareAboutBox(caption);
    }
    window_.Auxiliary().Place(window);
    HWND shown = window_.Auxiliary().Window(window);
    ::ShowWindow(shown, SW_SHOW);
    SetForegroundWindow(shown);
}

void TWin32MainView::ShowModal(TWindow window) {
    HWND shown = window_.Auxiliary().Window(window);
    window_.Auxiliary().Place(window);
    EnableWindow(window_.Handle(), FALSE);
    ::ShowWindow(shown, SW_SHOW);
    // The thread's messages go on meanwhile, timers and handed-over serial events
    // included; hiding the window ends the loop.
    MSG message;
    while (IsWindowVisible(shown)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        if (!IsDialogMessageW(shown, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    ::ShowWindow(shown, SW_HIDE);
    EnableWindow(window_.Handle(), TRUE);
    SetActiveWindow(window_.Handle());
}

void TWin32MainView::HideWindow(TWindow window) {
    ::ShowWindow(window_.Auxiliary().Window(window), SW_HIDE);
}

void TWin32MainView::SetProgressMax(TControl bar, int maximum) {
    if (HWND found = Find(bar))
        SendMessageW(found, PBM_SETRANGE32, 0, maximum);
}

void TWin32MainView::SetProgressPosition(TControl bar, int position) {
    if (HWND found = Find(bar))
        SendMessageW(found, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TWin32MainView::SetImageIndex(TControl image, int index) {
    if (Find(image) != nullptr)
        window_.SetCheckIcon(ControlId(image), index);
}

bool TWin32MainView::PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) {
    if (saveAnswer_)
        return saveAnswer_(request, fileName);
    const std::wstring filter = DialogFilter(WideFromText(language_, request.Filter));
    std::vector<wchar_t> name(32768, L'\0');
    // File names are in the system's code page, not the window's.
    const std::wstring proposed = WideFromFileName(request.FileName);
    proposed.copy(name.data(), std::min(proposed.size(), name.size() - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_.Handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.FilterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    // No default extension and no overwrite prompt: the caller adds the one and asks
    // the other itself.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog))
        return false;
    fileName = FileNameFromWide(name.data());
    return true;
}

bool TWin32MainView::PromptOpenFile(const std::string& filter, std::string& fileName) {
    if (openAnswer_)
        return openAnswer_(fileName);
    const std::wstring filters = DialogFilter(WideFromText(language_, filter));
    std::vector<wchar_t> name(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_.Handle();
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog))
        return false;
    fileName = FileNameFromWide(name.data());
    return true;
}

std::string TWin32MainView::EditText(TControl edit) {
    HWND found = Find(edit);
    return found != nullptr ? Narrow(edit, WindowText(found)) : std::string();
}

void TWin32MainView::SetTextLanguage(TLanguage language) {
    language_ = language;
    window_.SetLanguage(language);
}

void TWin32MainView::ShowSatelliteViews(const TSatelliteViewData& views) {
    window_.SkyMap().ShowSymbols(views.Symbols);
    window_.SnrChart().ShowBars(views.Bars, views.ValueMarksVisible);
    // Each paints its whole area from a back buffer: no erasing first.
    for (int area : {idSatelliteMap, idSnrChart})
        InvalidateRect(window_.Control(area), nullptr, FALSE);
}

void TWin32MainView::SetStationRows(const TStationRows& rows) {
    window_.StationGrid().SetRows(rows);
}

void TWin32MainView::StationRowsChanged(const TStationRowChanges& changes) {
    window_.StationGrid().RowsChanged(changes);
}

void TWin32MainView::ShowCoverage(const TCoverageView& coverage) {
    window_.Coverage().Show(coverage, language_);
    // Painted whole from a back buffer: no erasing first.
    InvalidateRect(Find(TControl::PaintBoxCoverage), nullptr, FALSE);
}

void TWin32MainView::ShowStationDetails(const std::string& title,
                                        const std::vector<TStationDetail>& details) {
    std::vector<TWin32StationDetails::TLine> lines;
    lines.reserve(details.size());
    for (const TStationDetail& detail : details)
        lines.push_back({WideFromText(language_, detail.Message),
                         WideFromText(language_, detail.Field),
                         WideFromText(language_, detail.Value)});
    window_.StationDetails().Show(WideFromText(language_, title), lines);
}
