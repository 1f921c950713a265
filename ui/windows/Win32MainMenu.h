// The main window's menu bar: File with the three language items and Exit, Help with
// About. The Option menu with its Language item is never shown, so it is not built; the
// File menu offers the language items in its place, as one group with one check mark.
#pragma once

#include "Win32Api.h"

#include "view/MainView.h"

HMENU CreateMainMenu();

// Where a menu control's caption lives: the menu holding it and the item, by position
// for a menu of the bar, by command otherwise.
struct TMenuItemPlace {
    HMENU Menu = nullptr;
    UINT Item = 0;
    bool ByPosition = false;
};

// The menu control's place in `bar`; Menu is null for a control that is no menu item
// of the bar (MainMenu1, and the Option menu that is never shown).
TMenuItemPlace MenuItemOf(HMENU bar, TControl control);

// True for every menu control, shown or not.
bool IsMenuControl(TControl control);

// The language items, in the order of their tags.
inline constexpr TControl kLanguageItems[] = {TControl::mnuLangEnglish, TControl::mnuLangTraChinese,
                                              TControl::mnuLangSimpChinese};
