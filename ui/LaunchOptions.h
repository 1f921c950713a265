// Command-line options of t360kv-gui, for demonstrations, pictures of the window and
// unattended runs. The configurator itself reads no options.
#pragma once

#include "view/MainView.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

struct LaunchOptions {
    QString port;         // select the port entry of this text (PortEntrySelectedBy)
    bool connect = false; // click Connect once the window is up
    QString replay;       // replay this recorded log once the window is up
    bool dataLog = false; // switch the DATA LOG on at start
    QString saveLog;      // on SIGTERM, SIGINT or SIGHUP save the DATA LOG here and quit
    QString screenshot;   // save a picture of the window here, then quit
    int screenshotDelayMs = 1500;
    // The page to bring to the front: its page control and index; none by default.
    TControl pageControl = TControl::PageControlMain;
    int page = -1;
};

// Parses the command line; prints help or an error and ends the program when asked
// for help or given a bad option.
LaunchOptions ParseLaunchOptions(const QCoreApplication& app);
// The same for `arguments` (the program's name first).
LaunchOptions ParseLaunchOptions(const QStringList& arguments);
