// GDI+'s declarations. They want min and max from somewhere, which windows.h does not
// define with NOMINMAX.
#pragma once

#include "Win32Api.h"

#include <algorithm>
namespace Gdiplus { // NOLINT(readability-identifier-naming): the system's namespace
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>
