// The window connected to a receiver in memory that has sent its report, a cycle of GPS
// sentences and the simulator's vessels' AIS reports: the GPS STATUS page's drawings
// show the cycle, and on every page in every language each control lies within its
// page, apart from the others, with its text whole. With T360KV_SCREENSHOTS naming a folder, each
// page is saved there as a picture (windows-<page>-<language>.png) to be looked at.
#include "Win32Api.h"

#include "Win32ConnectedWindow.h"
#include "Win32ControlTable.h"
#include "Win32Picture.h"
#include "Win32Screenshot.h"

#include "Win32GdiPlusApi.h"

#include <cstdlib>
#include <vector>

namespace {

struct PageToShow {
    const char* name;
    TMainPage main;
    TControl pages;
    int page;
    TPlace place;
};

const PageToShow kPages[] = {
    {"baud-rate", pgConfiguration, TControl::PageControlConf, pgBaudRate, TPlace::BaudRate},
    {"internal-gps", pgConfiguration, TControl::PageControlConf, pgInternalGps,
     TPlace::InternalGps},
    {"restore", pgConfiguration, TControl::PageControlConf, pgRestore, TPlace::Restore},
    {"system-check", pgDiagnostics, TControl::PageControlDiagnosis, pgSystemCheck,
     TPlace::SystemCheck},
    {"gps-status", pgDiagnostics, TControl::PageControlDiagnosis, pgGpsStatus, TPlace::GpsStatus},
    {"data-log", pgDiagnostics, TControl::PageControlDiagnosis, pgDataLog, TPlace::DataLog},
    {"ais-stations", pgDiagnostics, TControl::PageControlDiagnosis, pgAisStations,
     TPlace::AisStations},
};

class ConnectedPages : public ConnectedWindow {
protected:
    void ShowPage(const PageToShow& page) {
        ConnectedWindow::ShowPage(page.main, page.pages, page.page);
    }

    // The area of the pages of page control `pages`, in the main window's pixels.
    RECT PageArea(TControl pages) {
        RECT area{};
        GetWindowRect(Control(pages), &area);
        MapWindowPoints(nullptr, Window().Handle(), reinterpret_cast<POINT*>(&area), 2);
        SendMessageW(Control(pages), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        return area;
    }
};

TEST_F(ConnectedPages, GpsStatusPageDrawsTheCycleWhereTheCorePlacesIt) {
    ShowPage(kPages[4]);
    // The map has been drawn, and its size told: this cycle goes on its geometry.
    SendCycle();
    Redraw();
    const TSkyMapGeometry geometry = ComputeGeometry(198, 200);

    HWND map = Window().Control(idSatelliteMap);
    RECT area{};
    GetClientRect(map, &area);
    TPicture picture(area.right, area.bottom);
    HDC screen = GetDC(map);
    BitBlt(picture.Dc(), 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(map, screen);
    for (size_t i = 0; i < std::size(kSky); ++i) {
        const Satellite& satellite = kSky[i];
        SCOPED_TRACE(satellite.prn);
        const TPixel at = PolarToPoint(geometry, satellite.azimuth, satellite.elevation);
        // Every satellite is in use but 25 and 66.
        const bool inUse = satellite.prn != 25 && satellite.prn != 66;
        EXPECT_EQ(picture.At(at.X, at.Y - 6), SatelliteColour(inUse));
    }
    ASSERT_EQ(Window().SnrChart().Bars().size(), 16u);
    EXPECT_EQ(Window().SnrChart().Bars()[11], (TSnrBar{"75", 27, kLime}));
}

// The picture that --screenshot saves: the menu bar and the client area, where the
// window's face shows at the corners, not the frame that a virtual display leaves black.
TEST_F(ConnectedPages, PictureHoldsTheMenuBarAndTheClientArea) {
    ShowPage(kPages[4]);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"t360kv-win-picture-test.png";
    ASSERT_TRUE(SaveWindowPicture(Window().Handle(), file));

    RECT client{};
    GetClientRect(Window().Handle(), &client);
    MENUBARINFO menu{};
    menu.cbSize = sizeof menu;
    ASSERT_TRUE(GetMenuBarInfo(Window().Handle(), OBJID_MENU, 0, &menu));
    POINT clientOrigin{0, 0};
    ClientToScreen(Window().Handle(), &clientOrigin);
    // The menu bar and the line under it.
    const int menuHeight = clientOrigin.y - menu.rcBar.top;
    ASSERT_GT(menuHeight, 0);
    {
        Gdiplus::Bitmap picture(file.c_str());
        ASSERT_EQ(static_cast<int>(picture.GetWidth()), client.right);
        ASSERT_EQ(static_cast<int>(picture.GetHeight()), client.bottom + menuHeight);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const int right = client.right - 1;
        const int bottom = client.bottom + menuHeight - 1;
        for (const POINT corner : {POINT{0, menuHeight}, POINT{right, menuHeight}, POINT{0, bottom},
                                   POINT{right, bottom}}) {
            Gdiplus::Color colour;
            picture.GetPixel(corner.x, corner.y, &colour);
            EXPECT_EQ(RGB(colour.GetR(), colour.GetG(), colour.GetB()), face)
                << "at " << corner.x << "," << corner.y;
        }
    }
    DeleteFileW(file.c_str());
}

// What a control needs across for its text on one line.
int TextWidthNeeded(HWND control, TKind kind) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    if (text.empty())
        return 0;
    HDC dc = GetDC(control);
    HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_SINGLELINE |
                  (kind == TKind::Edit || kind == TKind::ReadOnlyEdit ? DT_NOPREFIX : 0));
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    switch (kind) {
    case TKind::CheckBox:
        return needed.right + GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case TKind::Button:
    case TKind::ToggleButton:
        return needed.right + 12; // the frame and some room inside it
    case TKind::ReadOnlyEdit:
    case TKind::Edit: {
        const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
        return needed.right + LOWORD(margins) + HIWORD(margins) + 2; // and the caret
    }
    default:
        return needed.right;
    }
}

TEST_F(ConnectedPages, EveryPageShowsItsControlsWholeInEveryLanguage) {
    // Drawn once, the map has placed the symbols of the cycles after.
    ShowPage(kPages[4]);
    SendCycle();
    SendCycle();
    // The simulator's vessels, each heard a few times, fill the AIS STATIONS page.
    AisFleet fleet;
    SendFleet(fleet, 60);
    Tick(TTimer::StationsTick);
    const char* folder = std::getenv("T360KV_SCREENSHOTS");
    for (TLanguage language : {laEnglish, laTraChinese, laSimpChinese}) {
        ChooseLanguage(language);
        for (const PageToShow& page : kPages) {
            SCOPED_TRACE(std::string(page.name) + " in language " + std::to_string(language));
            ShowPage(page);
            const RECT area = PageArea(page.pages);
            std::vector<std::pair<int, RECT>> shown;
            for (const TControlSpec& entry : MainWindowControls()) {
                HWND control = Window().Control(entry.Id);
                if (entry.Place != page.place || !IsWindowVisible(control))
                    continue;
                RECT place{};
                GetWindowRect(control, &place);
                MapWindowPoints(nullptr, Window().Handle(), reinterpret_cast<POINT*>(&place), 2);
                if (entry.Kind == TKind::DropDownList || entry.Kind == TKind::SortedDropDownList)
                    place.bottom =
                        place.top +
                        static_cast<LONG>(SendMessageW(control, CB_GETITEMHEIGHT, WPARAM(-1), 0)) +
                        6;
                EXPECT_TRUE(place.left >= area.left && place.top >= area.top &&
                            place.right <= area.right && place.bottom <= area.bottom)
                    << "control " << entry.Id << " reaches out of its page";
                for (const auto& [other, otherPlace] : shown) {
                    RECT common{};
                    EXPECT_FALSE(IntersectRect(&common, &place, &otherPlace))
                        << "controls " << other << " and " << entry.Id << " overlap";
                }
                shown.emplace_back(entry.Id, place);
                RECT inside{};
                GetClientRect(control, &inside);
                EXPECT_LE(TextWidthNeeded(control, entry.Kind), inside.right)
                    << "the text of control " << entry.Id << " is cut";
            }
            EXPECT_FALSE(shown.empty());
            if (folder != nullptr) {
                const std::string file = std::string(folder) + "\\windows-" + page.name + "-" +
                                         std::to_string(language) + ".png";
                SaveWindowPicture(Window().Handle(), std::wstring(file.begin(), file.end()));
            }
        }
    }
}

} // namespace
