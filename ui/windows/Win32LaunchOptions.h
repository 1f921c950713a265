// Command-line options of t360kv-win, for demonstrations and pictures of the window.
// The configurator itself reads no options.
#pragma once

#include "Win32Api.h"

#include "view/MainView.h"

#include <string>
#include <vector>

struct TWin32LaunchOptions {
    std::string Port;        // select the port entry of this text (UTF-8)
    bool Connect = false;    // click Connect once the window is up
    std::wstring Replay;     // replay this recorded log once the window is up
    std::wstring Screenshot; // save a PNG picture of the window here, then quit
    int ScreenshotDelayMs = 1500;
    // The page to bring to the front: its page control and index; none by default.
    TControl PageControl = TControl::PageControlMain;
    int Page = -1;
    // Set when the command line has a mistake or asks for help: what to print.
    std::string Message;
    bool Help = false;
    bool Version = false; // print the program's name and version, and end
};

// The options of `arguments` (without the program's name).
TWin32LaunchOptions ParseLaunchOptions(const std::vector<std::wstring>& arguments);

extern const char kLaunchUsage[];
