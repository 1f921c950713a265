// The XDG documents folder, read the way `xdg-user-dir DOCUMENTS` reads it: the line
// XDG_DOCUMENTS_DIR="..." of $XDG_CONFIG_HOME/user-dirs.dirs (~/.config by default).
#pragma once

#include <string>

// The process' values of $HOME and $XDG_CONFIG_HOME; empty when unset.
struct TXdgEnvironment {
    std::string Home;
    std::string ConfigHome;
};

// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, with "$HOME"
// replaced by `home`; empty when the file does not set it (or sets a relative path).
std::string DocumentsDirOf(const std::string& userDirsText, const std::string& home);

// The documents folder for `environment`; $HOME/Documents when user-dirs.dirs does not
// name one.
std::string XdgDocumentsFolder(const TXdgEnvironment& environment);
