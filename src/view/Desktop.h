// What the pages reach of the desktop beyond the window: the PC's clock, the text editor
// and the web browser. Tests and the command-line tool replace them.
#pragma once

#include "platform/LocalClock.h"
#include "platform/TextEditor.h"

#include <functional>
#include <string>

struct TDesktop {
    std::function<TLocalTime()> LocalTimeNow = ReadLocalTime;
    // Opens a written file in the text editor; none: nothing opens.
    std::function<void(const std::string&)> OpenTextEditor = OpenInTextEditor;
    // Opens a web address in the browser; none: nothing opens.
    std::function<void(const std::string&)> OpenWebPage;
};
