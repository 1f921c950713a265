// The colours of the core's drawing data as Qt colours.
#pragma once

#include "skyview/SkyColours.h"

#include <QColor>

inline QColor ToQColor(TRgb colour) {
    return QColor(colour.R, colour.G, colour.B);
}
