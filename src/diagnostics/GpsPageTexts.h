// The texts of the GPS STATUS page's fields, built from NavigationState values. Texts
// with a degree sign are in the code page of the window's language.
#pragma once

#include "nmea/SentenceTypes.h"
#include "view/Languages.h"

#include <string>

// "2025/02/27" and "08:15:30".
std::string UtcDateText(const UtcDate& date);
std::string UtcTimeText(const UtcTime& time);

struct TLatLonTexts {
    std::string Longitude; // "121°15.0000'W"
    std::string Latitude;  // " 25°30.0000'N"
};

// Degrees, minutes and ten-thousandths of a minute, truncated, with the hemisphere
// letter; "N/A" for a coordinate that is not a number or lies beyond any real one.
TLatLonTexts FormatLatLon(float longitude, float latitude, TLanguage language);

struct TFixModeTexts {
    std::string FixMode; // "2D", "3D" or "Lost"
    std::string Hdop;
};

// The fix mode of the last GSA; the HDOP goes with it ("N/A" when the fix is lost).
TFixModeTexts ShowFixMode(int fixMode, float hdop);

// "%4.1f", or "N/A" from 99.9 on (the single-precision 99.9 included) and for NaN.
std::string ShowHdop(float hdop);

struct TPositionAndMotionTexts {
    std::string Longitude;
    std::string Latitude;
    std::string Sog; // "12.50 Kt", or "N/A" below 0, above 102.2 or NaN
    std::string Cog; // "  0.0°", or "N/A" below 0, from 360 on or NaN
};

TPositionAndMotionTexts ShowPositionAndMotion(float longitude, float latitude, float sog, float cog,
                                              TLanguage language);
