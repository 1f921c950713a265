// The Win32 API, included before any header of the core: windows.h names its functions
// by macros, and MessageBox would rename the view's own MessageBox in one file and not
// in another. The view's MessageBox is the controller's; the Win32 one is MessageBoxW.
#pragma once

#include <windows.h>

#undef MessageBox
