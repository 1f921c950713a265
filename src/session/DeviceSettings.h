// The settings a receiver can be programmed with, in the units its report shows: rates
// in bit/s, the GPS navigation model by its code. A group not given is left as it is;
// each group is programmed whole, as one Configuration page programs it.
#pragma once

#include <cstdint>
#include <optional>

struct TBaudSettings {
    int32_t Rs232Baud; // the RS-232 output
    int32_t NmeaBaud;  // the NMEA output
    bool operator==(const TBaudSettings&) const = default;
};

struct TGpsSettings {
    bool OutputOn;    // the internal GPS's sentences are sent
    int32_t DynModel; // navigation dynamic model code (4 or 5 settable)
    bool operator==(const TGpsSettings&) const = default;
};

struct TDeviceSettings {
    std::optional<TBaudSettings> Baud;
    std::optional<TGpsSettings> Gps;
    bool operator==(const TDeviceSettings&) const = default;
};

// The receiver's code of a rate or model; -1 when it takes none.
int Rs232BaudCode(int32_t baud);
int NmeaBaudCode(int32_t baud);
int GpsDynModelCode(int32_t model);
