// The configuration report: what the receiver's report said, and the INTERNAL GPS page's
// settings as shown, as the text of the report file.
#pragma once

#include "platform/LocalClock.h"
#include "session/DeviceInfo.h"

#include <string>

// The internal GPS's settings as the report records them: enabled or not, and the
// GPS Mode item (-1: none).
struct TReportGpsState {
    bool Enabled = false;
    int ModeItem = -1;
};

// The English caption of the baud rates' section.
inline constexpr char kBaudRateCaption[] = "BAUD RATE";

// The report file's text; `baudRateCaption` is the baud rates' section caption in the
// window's language.
std::string ConfigurationReportText(const TDeviceInfo& report, const TReportGpsState& gps,
                                    const std::string& baudRateCaption, TLocalTime time);
