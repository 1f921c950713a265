// The user's documents folder: on Windows the shell's personal folder, elsewhere the XDG
// documents folder of the user's user-dirs.dirs, or $HOME/Documents without one.
#pragma once

#include <string>

std::string DocumentsFolder();
