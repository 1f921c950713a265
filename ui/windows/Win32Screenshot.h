// A picture of a window, its menu bar and client area, saved as a PNG file.
#pragma once

#include "Win32Api.h"

#include <string>

// False when the picture could not be taken or written.
bool SaveWindowPicture(HWND window, const std::wstring& file);
