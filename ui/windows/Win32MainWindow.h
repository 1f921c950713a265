// The main window as the user sees it: the menu bar, the top strip and the page panel
// in standard common controls, each child found by its control id (Win32ControlIds.h),
// the timers, and the auxiliary windows. It holds no behaviour of its own: what the user
// does goes to TWin32WindowEvents.
//
// The controls are all children of the main window, laid over the page controls, so that
// GetDlgItem finds every one of them and their notices reach one window procedure; a
// control is shown while it is to be shown itself and its page is in front.
#pragma once

#include "Win32Api.h"

#include "Win32AuxiliaryWindows.h"
#include "Win32ControlTable.h"
#include "Win32CoverageMap.h"
#include "Win32GdiPlus.h"
#include "Win32SkyMap.h"
#include "Win32SnrChart.h"
#include "Win32StationDetails.h"
#include "Win32StationGrid.h"
#include "view/MainView.h"

#include <array>
#include <iterator>
#include <memory>
#include <unordered_map>

class TWin32WindowEvents {
public:
    virtual ~TWin32WindowEvents() = default;
    // The user clicked a button, a check box or a menu item, chose an item of a list,
    // double-clicked the status label or a station, pressed Enter in an edit or changed
    // the text of a filter: by the control's id.
    virtual void ControlActivated(int id) = 0;
    // The user brought a page of the page control `id` to the front.
    virtual void PageChosen(int id) = 0;
    // The user clicked the header of column `column` of the station table.
    virtual void StationColumnClicked(TStationColumn column) = 0;
    virtual void TimerFired(TTimer timer) = 0;
    // The sky map was drawn anew at this size (at 96 DPI): its symbols go on that geometry.
    virtual void SatelliteMapDrawn(int width, int height) = 0;
    // Asked whenever the window is about to close; false keeps it open.
    virtual bool CloseRequested() = 0;
    // The system said that serial ports came or went.
    virtual void PortsChanged() = 0;
};

class TWin32MainWindow {
public:
    TWin32MainWindow();
    ~TWin32MainWindow();
    TWin32MainWindow(const TWin32MainWindow&) = delete;
    TWin32MainWindow& operator=(const TWin32MainWindow&) = delete;

    HWND Handle() const { return window_; }
    HMENU MenuBar() const { return menuBar_; }
    TWin32AuxiliaryWindows& Auxiliary() { return *auxiliary_; }
    // The GPS STATUS page's drawings; a change shows at their next painting.
    TWin32SkyMap& SkyMap() { return skyMap_; }
    TWin32SnrChart& SnrChart() { return snrChart_; }
    // The AIS STATIONS page's table, coverage plot and details window.
    TWin32StationGrid& StationGrid() { return stationGrid_; }
    TWin32CoverageMap& Coverage() { return coverage_; }
    TWin32StationDetails& StationDetails() { return *stationDetails_; }
    UINT Dpi() const { return dpi_; }
    HFONT Font() const { return fonts_[0]; }
    void SetEvents(TWin32WindowEvents* events) { events_ = events; }
    // The program ends its message loop once the window is gone.
    void QuitWhenDestroyed() { quitWhenDestroyed_ = true; }

    // The child window of `id`, in the main window or an auxiliary one; null if none.
    HWND Control(int id) const;
    TKind KindOf(int id) const;

    // Whether the control is to be shown; it shows while its page is in front too.
    void SetControlShown(int id, bool shown);

    // The status label's tool tip holds its whole text while the label shows it
    // shortened, and nothing otherwise: asked after each change of the status text.
    void UpdateStatusTip();
    // The text of a control's tool tip; empty if it has none.
    std::wstring ToolTipText(int id) const;

    // The controller's index of the page in front of page control `id`, and bringing a
    // page to the front (which is no choice of the user: PageChosen is not called).
    int ActivePage(int id) const;
    void SetActivePage(int id, int page);
    void SetPageCaption(int id, int page, const std::wstring& caption);

    // Starting keeps the phase of a running timer.
    void SetTimerRunning(TTimer timer, bool running);
    bool TimerRunning(TTimer timer) const { return running_[static_cast<size_t>(timer)]; }

    void SetTextColor(int id, COLORREF color);
    void SetCheckIcon(int id, int index);
    // Fonts with the language's character set and a face that has its characters.
    void SetLanguage(TLanguage language);

private:
    struct TControlState {
        HWND Window = nullptr;
        TKind Kind = TKind::Label;
        TPlace Place = TPlace::Top;
        bool Shown = true;
    };
    struct TPageControl {
        int Id;
        std::vector<int> Pages; // the controller's page index of each tab
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void CreateTabs();
    void AddToolTip(int id, const wchar_t* text);
    void OnCommand(int id, int code);
    LRESULT OnControlColor(HDC dc, HWND control);
    // Whether the control's text stands on the ground of a page rather than the window's.
    bool OnPane(int id) const;
    HBRUSH PaneBrush();
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnNotify(const NMHDR& notice);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void ApplyFonts();
    void Layout();
    RECT AreaOf(TPlace place) const;
    bool PlaceShown(TPlace place) const;
    void UpdateVisibility();
    const TPageControl* PageControl(int id) const;
    int Scale(int value) const { return MulDiv(value, static_cast<int>(dpi_), 96); }

    TGdiPlusSession gdiPlus_;
    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
    HWND toolTip_ = nullptr;
    HDEVNOTIFY portNotifications_ = nullptr;
    UINT dpi_ = 96;
    TLanguage language_ = laEnglish;
    std::array<HFONT, 4> fonts_{};
    std::unordered_map<int, TControlState> controls_;
    std::vector<TPageControl> pageControls_;
    std::unordered_map<int, COLORREF> textColors_;
    HBRUSH paneBrush_ = nullptr;
    COLORREF paneColour_ = 0;
    std::unordered_map<int, int> checkIcons_;
    std::array<bool, std::size(kAllTimers)> running_{};
    std::unique_ptr<TWin32AuxiliaryWindows> auxiliary_;
    TWin32SkyMap skyMap_;
    TWin32SnrChart snrChart_;
    TWin32StationGrid stationGrid_;
    TWin32CoverageMap coverage_;
    std::unique_ptr<TWin32StationDetails> stationDetails_;
    TWin32WindowEvents* events_ = nullptr;
    bool quitWhenDestroyed_ = false;
};

// Sent to the main window by an edit whose Enter key acts: wParam is the edit's id.
inline constexpr UINT kEnterPressed = WM_APP + 2;
