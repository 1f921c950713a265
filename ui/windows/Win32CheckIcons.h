// The system check's three result pictures (ImageListSysChk), drawn: a red cross, a
// green tick, an orange warning triangle with "!".
#pragma once

#include "Win32Api.h"

// Draws picture `index` (TCheckIcon) into `box` on `dc`; any other index draws nothing.
void DrawCheckIcon(HDC dc, const RECT& box, int index);
