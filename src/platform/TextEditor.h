// Opening a saved text file in the system's text editor.
#pragma once

#include <string>

// Starts the platform's text editor with `path` and does not wait for it. On Windows
// that is Notepad; elsewhere the desktop's opener (xdg-open), else $VISUAL or $EDITOR,
// else a graphical editor found on the PATH. Nothing is reported when none starts.
void OpenInTextEditor(const std::string& path);
