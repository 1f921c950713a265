// Reading one line of the receiver's device report: the keys it may hold and what each
// sets in DeviceInfo. A key may stand anywhere in the line, and one line may hold several.
#pragma once

#include "session/DeviceInfo.h"

#include <cstdint>

// What a report line set, as bits.
enum TReportItem : unsigned {
    riFirmware = 1u << 0,         // "Firmware:" and the rest of the line
    riSerialNo = 1u << 1,         // "[SerialNo]=" and the rest of the line
    riRs232Baud = 1u << 2,        // "NMEA_2_TX:(" digits ")" at the end of the line
    riNmeaBaud = 1u << 3,         // "NMEA_1_TX:(" digits ")" at the end of the line
    riGpsOutput = 1u << 4,        // "GPS_Output=", on when the rest holds "ON"
    riGpsDynModel = 1u << 5,      // "[GPS_NAV5_dynModel]=" and a number
    riRestartAnnounced = 1u << 6, // the receiver's restart announcement
};

// Reads the keys of `line` (a received line, ending in CR LF) into `info` and returns the
// items it set; 0 for a line without a key. Texts are cut to their fields, numbers kept
// within 32 bits.
unsigned ReadReportLine(const char* line, TDeviceInfo& info);
