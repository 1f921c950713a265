// The whole program's window side on Windows: the main window, the view that the
// controller talks to, the hand-over to the GUI thread and the main controller itself,
// created in the start-up order and wired together (the window's events to the
// presenters' handlers, the timers and the close question to the controller).
#pragma once

#include "Win32Api.h"

#include "Win32HandOver.h"
#include "Win32MainView.h"
#include "Win32MainWindow.h"
#include "app/MainController.h"

#include <functional>
#include <memory>
#include <unordered_map>

class TWin32Configurator : private TWin32WindowEvents {
public:
    // `ports` and `comm` replace the system's serial ports and the serial component
    // (tests); by default the real ones are used. `folders` names the documents folder
    // of the settings file (none by default) and the folder holding "Lang".
    explicit TWin32Configurator(std::unique_ptr<TPortSystem> ports = nullptr,
                                std::unique_ptr<TComm> comm = nullptr, TAppFolders folders = {});
    ~TWin32Configurator() override;
    TWin32Configurator(const TWin32Configurator&) = delete;
    TWin32Configurator& operator=(const TWin32Configurator&) = delete;

    TWin32MainWindow& Window() { return window_; }
    TWin32MainView& View() { return view_; }
    TMainController& Controller() { return controller_; }

    // Brings the page of `pages` to the front as the user would.
    void ChoosePage(TControl pages, int page);

private:
    void ControlActivated(int id) override;
    void PageChosen(int id) override;
    void StationColumnClicked(TStationColumn column) override;
    void TimerFired(TTimer timer) override;
    void SatelliteMapDrawn(int width, int height) override;
    bool CloseRequested() override;
    void PortsChanged() override;
    void MapActions();

    TWin32MainWindow window_;
    TWin32MainView view_{window_};
    TWin32HandOver handOver_;
    TMainController controller_;
    std::unordered_map<int, std::function<void()>> actions_;
};
