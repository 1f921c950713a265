// The main controller: builds the receiver session and the page presenters in the
// window's start-up order, routes the timers and the window's own events (close, exit,
// page changes, about) and keeps the settings file. Everything else is the presenters'.
#pragma once

#include "app/LanguagePresenter.h"
#include "configuration/ConfigurationPresenter.h"
#include "connection/ConnectionPresenter.h"
#include "connection/ReplayPresenter.h"
#include "diagnostics/GpsStatusPresenter.h"
#include "diagnostics/SystemCheckPresenter.h"
#include "log/DataLogPresenter.h"
#include "network/NetworkPresenter.h"
#include "serial/PortSystem.h"
#include "session/ReceiverSession.h"
#include "stations/StationsPresenter.h"
#include "view/Desktop.h"
#include "view/MainView.h"
#include "view/Texts.h"

#include <memory>
#include <string>

// Where the settings file and the language files are.
struct TAppFolders {
    // The user's documents folder, which holds the settings file. Empty: no settings file
    // is read or written (tests, and front ends that keep no settings).
    std::string Documents;
    // The folder that holds "Lang"; empty: the program's own folder.
    std::string Program;
};

class TMainController {
public:
    // `ports` and `comm` replace the system's ports and the serial component (tests,
    // benchmarks); by default the real ones are used, and the serial component hands
    // its events over with `synchronize`.
    TMainController(TMainView& view, TSynchronize synchronize,
                    std::unique_ptr<TPortSystem> ports = nullptr,
                    std::unique_ptr<TComm> comm = nullptr, TAppFolders folders = {});
    virtual ~TMainController() = default;
    TMainController(const TMainController&) = delete;
    TMainController& operator=(const TMainController&) = delete;

    // After construction: starts watching the system's ports.
    void Start();
    // After all windows exist: the language of the settings file.
    void ApplySavedLanguage() { languages_.ApplySaved(); }
    // The window is asked to close. Asks the user; true when the window may close, after
    // the port has been closed and the settings written.
    bool CloseRequested();
    void ExitClicked() { view_.CloseWindow(); }
    void AboutChosen() { view_.ShowWindow(TWindow::frmAbout); }
    void OpenLogChosen() { replay_.OpenLogChosen(TReplayPresenter::Clock::now()); }
    // A page of the main or the configuration page control came to the front.
    void PageChanged();

    // Runs the handler of `timer`.
    void TimerFired(TTimer timer);
    void HandshakeTick() { session_.HandshakeTick(); }
    void HalfSecondTick();
    void SystemCheckTick();

    TReceiverSession& Session() { return session_; }
    TConnectionPresenter& Connection() { return connection_; }
    TReplayPresenter& Replay() { return replay_; }
    TConfigurationPresenter& Configuration() { return configuration_; }
    TSystemCheckPresenter& SystemCheck() { return systemCheck_; }
    TGpsStatusPresenter& GpsStatus() { return gpsStatus_; }
    TDataLogPresenter& DataLog() { return dataLog_; }
    TNetworkPresenter& Network() { return network_; }
    TStationsPresenter& Stations() { return stations_; }
    TLanguagePresenter& Languages() { return languages_; }
    TDesktop& Desktop() { return desktop_; }
    const TTexts& Texts() const { return texts_; }
    // The settings file; empty: none.
    const std::string& SettingsFile() const { return settingsFile_; }

protected:
    // Writes the settings file; called by a confirmed close after the port is closed.
    virtual void SaveSettings();

private:
    void UpdatePageButtons();

    TMainView& view_;
    std::string programFolder_;
    std::string settingsFile_;
    TTexts texts_;
    TDesktop desktop_;
    TReceiverSession session_;
    TConnectionPresenter connection_;
    TReplayPresenter replay_;
    TConfigurationPresenter configuration_;
    TGpsStatusPresenter gpsStatus_;
    TSystemCheckPresenter systemCheck_;
    TDataLogPresenter dataLog_;
    TNetworkPresenter network_;
    TStationsPresenter stations_;
    TLanguagePresenter languages_;
};
