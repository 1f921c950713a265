// The DATA LOG saved without a dialog, for a window told where to save it at start
// (--save-log) and then told to end: unattended runs keep what the window logged.
#pragma once

#include <string>

class TDataLog;

// Saves `log` to `path` as the page's Save does, replacing a file of that name (it was
// named on the command line, so there is no one to ask). Prints what the page would have
// shown on stderr. 0 when every logged line is in the file, 1 otherwise.
int SaveLogAtQuit(TDataLog& log, const std::string& path);
