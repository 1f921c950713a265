// The receiver's settings as `t360kv read` and `t360kv program` print them: one
// key=value line each.
#pragma once

#include "session/DeviceInfo.h"

#include <string>

// firmware, serial, rs232_baud, nmea_baud, gps_output (on/off), gps_mode (sea/altitude).
std::string DeviceSettingsText(const TDeviceInfo& info);
