// The settings of the simulated receiver: what its device report says, and how the
// set sentences and the restore sentence change them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DeviceSettings {
    // Baud codes of the device's scale: 0 115200, 1 57600, 2 38400, 3 19200, 5 9600, 6 4800.
    int Rs232BaudCode = 2; // reported as NMEA_2_TX
    int NmeaBaudCode = 2;  // reported as NMEA_1_TX
    bool GpsOutputOn = true;
    int GpsDynModel = 5; // 4 airborne above 500 m, 5 at sea level
};

// What a received line asks of the device.
enum class DeviceCommand {
    None,          // not for the device, a bad checksum, or a value it does not take
    ReportRequest, // "$PTST,,,,,17"
    Programmed,    // a "$PDBG" set sentence, already applied
    Restore,       // the network settings restore
};

class DeviceState {
public:
    // Checks the line's checksum and, for a set sentence, applies it. A set sentence with
    // any field the device does not take changes nothing.
    DeviceCommand Accept(std::string_view line);

    // The report lines, without line ends, the end marker last.
    std::vector<std::string> Report() const;

    const DeviceSettings& Settings() const { return settings_; }

private:
    bool ApplySetSentence(const std::vector<std::string_view>& fields);

    DeviceSettings settings_;
};

// The rate of a baud code, or 0 for a code the device does not have.
int BaudOfCode(int code);
