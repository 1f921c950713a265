// The Language menu: the language file's texts on the menus, buttons, tabs and status,
// the code page of the window, the degree sign of the GPS and AIS STATIONS pages, and the about
// box's read-me.
#pragma once

#include "connection/ConnectionPresenter.h"
#include "diagnostics/GpsStatusPresenter.h"
#include "stations/StationsPresenter.h"
#include "view/MainView.h"
#include "view/Texts.h"

#include <string>

class TLanguagePresenter {
public:
    // `programFolder` holds "Lang"; `texts` are the window's texts, which the chosen
    // language replaces; `savedIndex` is the language the settings file stores.
    TLanguagePresenter(TMainView& view, TTexts& texts, std::string programFolder, int savedIndex,
                       TConnectionPresenter& connection, TGpsStatusPresenter& gpsStatus,
                       TStationsPresenter& stations);

    // After all windows exist: the saved language (any index other than 1 or 2 is
    // English), its menu item checked, its texts applied.
    void ApplySaved();
    // The common handler of the three language menu items: `tag` 0, 1 or 2 selects the
    // language; any other tag does nothing.
    void LanguageChosen(int tag);
    // What the settings file stores.
    int LanguageIndex() const { return languageIndex_; }

private:
    TMainView& view_;
    TTexts& texts_;
    std::string programFolder_;
    TConnectionPresenter& connection_;
    TGpsStatusPresenter& gpsStatus_;
    TStationsPresenter& stations_;
    int languageIndex_ = 0;
};
