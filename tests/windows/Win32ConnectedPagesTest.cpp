// The window connected to a receiver in memory that has sent its report and a cycle of
// GPS sentences: the GPS STATUS page's drawings show the cycle, and on every page in
// every language each control lies within its page, apart from the others, with its
// text whole. With T360KV_SCREENSHOTS naming a folder, each page is saved there as a
// picture (windows-<page>-<language>.png) to be looked at.
#include "Win32Api.h"

#include "FakePorts.h"
#include "MemoryComm.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32ControlTable.h"
#include "Win32MainMenu.h"
#include "Win32Picture.h"
#include "Win32Screenshot.h"
#include "nmea/Checksum.h"

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

const char* const kReport[] = {
    "Firmware:T360KV V1.0.8", "[SerialNo]=TL360K2409001", "NMEA_2_TX:(38400)",
    "NMEA_1_TX:(4800)",       "[DEVICE DATA END]",
};

struct Satellite {
    int prn, elevation, azimuth, snr;
};

// Twelve satellites, ten of them in use, as the simulator's sky shows them.
const Satellite kSky[] = {
    {13, 40, 45, 26},  {15, 35, 300, 34}, {17, 60, 30, 30},  {19, 85, 180, 42},
    {20, 50, 320, 34}, {24, 20, 40, 28},  {25, 5, 130, 26},  {66, 10, 95, 19},
    {72, 25, 230, 25}, {73, 75, 10, 43},  {74, 45, 160, 37}, {75, 15, 265, 27},
};

const char* const kCycleStart[] = {
    "$GPRMC,160003.00,A,2518.5537,N,12118.8740,E,6.0,16.1,270225,,,A",
    "$GPGGA,160003.00,2518.5537,N,12118.8740,E,1,10,0.9,10.0,M,20.0,M,,",
    "$GPGSA,A,3,13,15,17,19,20,24,72,73,74,75,,,1.8,0.9,1.5",
};

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
};

class ConnectedWindow : public testing::Test {
protected:
    ConnectedWindow() : ports_(std::make_shared<FakePorts::State>()) {
        ports_->names = {"USB Serial Port (COM5)"};
        auto memory = std::make_unique<TMemoryComm>();
        line_ = memory->line;
        configurator_ = std::make_unique<TWin32Configurator>(
            std::make_unique<FakePorts>(ports_), std::move(memory), TAppFolders{"", ".\\"});
        configurator_->View().AnswerMessagesWith([](const std::string&, const std::string&,
                                                    TMessageButtons,
                                                    TMessageIcon) { return TMessageAnswer::Ok; });
        ShowWindow(Window().Handle(), SW_SHOWNOACTIVATE);
        SendMessageW(Control(TControl::OpenPort), BM_CLICK, 0, 0);
        for (const char* line : kReport)
            Receive(std::string(line) + "\r\n");
    }

    TWin32MainWindow& Window() { return configurator_->Window(); }
    HWND Control(TControl control) { return Window().Control(ControlId(control)); }

    // A line from the receiver, read as the serial component's event would have it read.
    void Receive(const std::string& text) {
        line_->Receive(text, /*quiet=*/true);
        configurator_->Controller().Session().ReadWaiting(static_cast<uint32_t>(text.size()));
    }
    void Send(std::string body) {
        AppendChecksum(body);
        Receive(body + "\r\n");
    }
    // One cycle of the sky, completed by the next cycle's first sentence.
    void SendCycle() {
        for (const char* sentence : kCycleStart)
            Send(sentence);
        const int count = static_cast<int>(std::size(kSky));
        const int sentences = (count + 3) / 4;
        for (int s = 0; s < sentences; ++s) {
            std::string gsv = "$GPGSV," + std::to_string(sentences) + "," + std::to_string(s + 1) +
                              "," + std::to_string(count);
            for (int i = s * 4; i < std::min(count, s * 4 + 4); ++i) {
                const Satellite& satellite = kSky[i];
                gsv += "," + std::to_string(satellite.prn) + "," +
                       std::to_string(satellite.elevation) + "," +
                       std::to_string(satellite.azimuth) + "," + std::to_string(satellite.snr);
            }
            Send(gsv);
        }
        Send(kCycleStart[0]);
    }

    void ShowPage(const PageToShow& page) {
        configurator_->ChoosePage(TControl::PageControlMain, page.main);
        configurator_->ChoosePage(page.pages, page.page);
        Redraw();
    }
    void Redraw() {
        RedrawWindow(Window().Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    void ChooseLanguage(TLanguage language) {
        SendMessageW(Window().Handle(), WM_COMMAND,
                     MAKEWPARAM(ControlId(kLanguageItems[language]), 0), 0);
    }

    // The area of the pages of page control `pages`, in the main window's pixels.
    RECT PageArea(TControl pages) {
        RECT area{};
        GetWindowRect(Control(pages), &area);
        MapWindowPoints(nullptr, Window().Handle(), reinterpret_cast<POINT*>(&area), 2);
        SendMessageW(Control(pages), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        return area;
    }

    std::shared_ptr<FakePorts::State> ports_;
    std::shared_ptr<MemoryLine> line_;
    std::unique_ptr<TWin32Configurator> configurator_;
};

TEST_F(ConnectedWindow, GpsStatusPageDrawsTheCycleWhereTheCorePlacesIt) {
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
TEST_F(ConnectedWindow, PictureHoldsTheMenuBarAndTheClientArea) {
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

TEST_F(ConnectedWindow, EveryPageShowsItsControlsWholeInEveryLanguage) {
    // Drawn once, the map has placed the symbols of the cycles after.
    ShowPage(kPages[4]);
    SendCycle();
    SendCycle();
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
