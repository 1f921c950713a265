// DeviceInfo: what the receiver's device report said about it. One instance for the
// program's life, held by the main window controller; fixed-size like the decoders'
// records, so a value longer than its field is cut, never written past it.
#pragma once

#include <cstdint>

struct TDeviceInfo {
    static constexpr int kSerialNoLength = 15;
    static constexpr int kFirmwareLength = 24;

    char SerialNo[kSerialNoLength + 1]; // product serial number as reported
    char Firmware[kFirmwareLength + 1]; // firmware version as reported
    bool GpsOutputOff;                  // the report said the internal GPS output is not on
    int32_t GpsDynModel;                // GPS navigation dynamic model code (4 or 5 settable)
    int32_t Rs232Baud;                  // the device's RS-232 output (report key NMEA_2_TX)
    int32_t NmeaBaud;                   // the device's NMEA output (report key NMEA_1_TX)
    bool FirmwareValid;                 // Firmware received since the flags were cleared
    bool SerialNoValid;                 // SerialNo received since the flags were cleared
};
