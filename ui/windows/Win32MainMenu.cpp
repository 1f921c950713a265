#include "Win32Api.h"

#include "Win32MainMenu.h"

#include "Win32ControlIds.h"

namespace {

constexpr UINT kFileMenuPosition = 0;
constexpr UINT kHelpMenuPosition = 1;

void AddItem(HMENU menu, TControl control, const wchar_t* caption) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(ControlId(control)), caption);
}

} // namespace

HMENU CreateMainMenu() {
    HMENU file = CreatePopupMenu();
    AddItem(file, TControl::mnuLangEnglish, L"English(&E)");
    AddItem(file, TControl::mnuLangTraChinese, L"Traditional Chinese(&T)");
    AddItem(file, TControl::mnuLangSimpChinese, L"Simplified Chinese(&S)");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AddItem(file, TControl::mnuOpenLog, L"Open log(&O)...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AddItem(file, TControl::mnuExit, L"Exit(&X)");
    HMENU help = CreatePopupMenu();
    AddItem(help, TControl::mnuAbout, L"About(&A)");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File(&F)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help(&H)");
    return bar;
}

bool IsMenuControl(TControl control) {
    switch (control) {
    case TControl::MainMenu1:
    case TControl::mnuOption:
    case TControl::mnuLanguage:
    case TControl::mnuFile:
    case TControl::mnuExit:
    case TControl::mnuHelp:
    case TControl::mnuAbout:
    case TControl::mnuLangEnglish:
    case TControl::mnuLangTraChinese:
    case TControl::mnuLangSimpChinese:
    case TControl::mnuOpenLog:
        return true;
    default:
        return false;
    }
}

TMenuItemPlace MenuItemOf(HMENU bar, TControl control) {
    switch (control) {
    case TControl::mnuFile:
        return {bar, kFileMenuPosition, true};
    case TControl::mnuHelp:
        return {bar, kHelpMenuPosition, true};
    case TControl::mnuExit:
    case TControl::mnuOpenLog:
    case TControl::mnuLangEnglish:
    case TControl::mnuLangTraChinese:
    case TControl::mnuLangSimpChinese:
        return {GetSubMenu(bar, kFileMenuPosition), static_cast<UINT>(ControlId(control)), false};
    case TControl::mnuAbout:
        return {GetSubMenu(bar, kHelpMenuPosition), static_cast<UINT>(ControlId(control)), false};
    default:
        return {};
    }
}
