// The whole program's window side: the main window, the view that the controller talks
// to, the hand-over to the GUI thread and the main controller itself, created in the start-up
// order and wired together (control events and timers to the controller's handlers,
// the close question to the controller).
#pragma once

#include "GuiHandOver.h"
#include "MainWindow.h"
#include "QtMainView.h"
#include "app/MainController.h"

#include <QObject>

#include <functional>
#include <memory>

class Configurator {
public:
    // `ports` and `comm` replace the system's serial ports and the serial component
    // (tests); by default the real ones are used. `folders` names the documents folder
    // of the settings file (none by default) and the folder holding "Lang".
    explicit Configurator(std::unique_ptr<TPortSystem> ports = nullptr,
                          std::unique_ptr<TComm> comm = nullptr, TAppFolders folders = {});
    ~Configurator();
    Configurator(const Configurator&) = delete;
    Configurator& operator=(const Configurator&) = delete;

    MainWindow& Window() { return window_; }
    QtMainView& View() { return view_; }
    TMainController& Controller() { return controller_; }

private:
    void ConnectEvents();
    void ConnectButton(const char* name, std::function<void()> click);

    MainWindow window_;
    QtMainView view_{window_};
    GuiHandOver handOver_;
    TMainController controller_;
    // Receiver of every connection to the controller; destroyed first, so that no
    // signal of the window reaches the controller once it is going away.
    QObject events_;
};
