// ImageListSysChk: the three 32 x 32 result icons of the SYSTEM CHECK page, drawn here.
#pragma once

#include <QPixmap>

inline constexpr int kCheckIconSize = 32;

// Icon `index` (TCheckIcon: 0 red cross, 1 green tick, 2 orange warning triangle with
// "!"); an empty picture for any other index.
QPixmap CheckIcon(int index);
