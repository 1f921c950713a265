// The window connected to a receiver in memory that has sent its report: what the tests
// of the connected pages share. Lines reach the window as the serial component's event
// would have them read; the receiver's GPS sends a cycle of its sky, and the simulator's
// vessels send their AIS reports.
#pragma once

#include "Win32Api.h"

#include "AisFleet.h"
#include "FakePorts.h"
#include "MemoryComm.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32MainMenu.h"
#include "nmea/Checksum.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

struct Satellite {
    int prn, elevation, azimuth, snr;
};

// Twelve satellites, ten of them in use, as the simulator's sky shows them.
inline constexpr Satellite kSky[] = {
    {13, 40, 45, 26},  {15, 35, 300, 34}, {17, 60, 30, 30},  {19, 85, 180, 42},
    {20, 50, 320, 34}, {24, 20, 40, 28},  {25, 5, 130, 26},  {66, 10, 95, 19},
    {72, 25, 230, 25}, {73, 75, 10, 43},  {74, 45, 160, 37}, {75, 15, 265, 27},
};

// A valid 3D fix at 25 deg 18.5537' N, 121 deg 18.8740' E.
inline constexpr double kOwnLatitude = 25.0 + 18.5537 / 60;
inline constexpr double kOwnLongitude = 121.0 + 18.8740 / 60;
inline const char* const kCycleStart[] = {
    "$GPRMC,160003.00,A,2518.5537,N,12118.8740,E,6.0,16.1,270225,,,A",
    "$GPGGA,160003.00,2518.5537,N,12118.8740,E,1,10,0.9,10.0,M,20.0,M,,",
    "$GPGSA,A,3,13,15,17,19,20,24,72,73,74,75,,,1.8,0.9,1.5",
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
        for (const char* line : {"Firmware:T360KV V1.0.8", "[SerialNo]=TL360K2409001",
                                 "NMEA_2_TX:(38400)", "NMEA_1_TX:(4800)", "[DEVICE DATA END]"})
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
    // `count` messages of the fleet, one a second from `startSeconds` on.
    void SendFleet(AisFleet& fleet, int count, double startSeconds = 1740672000) {
        for (int message = 0; message < count; ++message)
            for (const std::string& sentence : fleet.NextMessage(startSeconds + message))
                Receive(sentence + "\r\n");
    }
    // As the window's timer would fire.
    void Tick(TTimer timer) { SendMessageW(Window().Handle(), WM_TIMER, TimerId(timer), 0); }

    void ShowPage(TMainPage main, TControl pages, int page) {
        configurator_->ChoosePage(TControl::PageControlMain, main);
        configurator_->ChoosePage(pages, page);
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

    std::shared_ptr<FakePorts::State> ports_;
    std::shared_ptr<MemoryLine> line_;
    std::unique_ptr<TWin32Configurator> configurator_;
};
