// The configuration report: the 24 lines of text that record which receiver was read,
// when, by which version of the tool, and the settings read.
#pragma once

#include "platform/LocalClock.h"

#include <string>
#include <vector>

struct TReportValues {
    std::string WindowCaption;      // the main window's caption
    std::string Version;            // the about box's version text
    TLocalTime Time;                // when the report was made
    std::string SerialNo;           // printed whether or not it was read
    std::string Firmware;           // likewise
    int Rs232Baud = 0;              // the device's NMEA_2_TX rate
    int NmeaBaud = 0;               // the device's NMEA_1_TX rate
    std::string BaudRateCaption;    // caption of the BAUD RATE page
    std::string InternalGpsCaption; // caption of the INTERNAL GPS page
    std::string GpsEnableCaption;   // caption of the GPS enable check box
    bool GpsEnabled = false;        // the check box's state
    std::string GpsModeCaption;     // caption of the GPS Mode label
    std::string GpsModeText;        // the GPS Mode item the report names
};

// The report's lines, without line ends.
std::vector<std::string> ConfigReportLines(const TReportValues& values);

// The lines as the file holds them: each followed by CR LF.
std::string ConfigReportText(const std::vector<std::string>& lines);
