// The settings the Configuration pages offer: the items of their selectors, in order,
// with the code the receiver takes for each. The controller fills the selectors from
// these tables, so an item and its code can never drift apart.
#pragma once

struct TSelectorItem {
    const char* Text;
    int Code;
};

// The device's baud scale: 0 115200, 1 57600, 2 38400, 3 19200, 5 9600, 6 4800 (4 unused).
inline constexpr TSelectorItem kRs232BaudCodes[] = {{"115200", 0}, {"57600", 1}, {"38400", 2},
                                                    {"19200", 3},  {"9600", 5},  {"4800", 6}};
inline constexpr TSelectorItem kNmeaBaudCodes[] = {{"38400", 2}, {"9600", 5}, {"4800", 6}};
inline constexpr TSelectorItem kGpsDynModelCodes[] = {{"Altitude higher than 500m", 4},
                                                      {"At Sea level", 5}};

// The RS-232 selector starts on "38400"; the others start with nothing selected.
inline constexpr int kRs232BaudAtStart = 2;
inline constexpr int kGpsDynModelAltitude = 4;
inline constexpr int kGpsDynModelAtSea = 5;
