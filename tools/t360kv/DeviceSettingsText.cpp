#include "DeviceSettingsText.h"

#include "session/SettingCodes.h"

std::string DeviceSettingsText(const TDeviceInfo& info) {
    return std::string("firmware=") + info.Firmware + "\n" + "serial=" + info.SerialNo + "\n" +
           "rs232_baud=" + std::to_string(info.Rs232Baud) + "\n" +
           "nmea_baud=" + std::to_string(info.NmeaBaud) + "\n" +
           "gps_output=" + (info.GpsOutputOff ? "off" : "on") + "\n" +
           // The GPS Mode selector's rule: 5 is at sea, anything else altitude.
           "gps_mode=" + (info.GpsDynModel == kGpsDynModelAtSea ? "sea" : "altitude") + "\n";
}
