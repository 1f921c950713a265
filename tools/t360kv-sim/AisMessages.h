// The AIS messages the simulated vessels send, with their fields in the units of the
// air interface, and their encoding into armoured payloads.
#pragma once

#include "SixBit.h"

#include <cstdint>
#include <string>

// Units shared by the messages below.
constexpr int32_t kAisLongitudeNotAvailable = 181 * 600000; // 1/10000 minute
constexpr int32_t kAisLatitudeNotAvailable = 91 * 600000;
constexpr uint16_t kAisHeadingNotAvailable = 511;
constexpr int8_t kAisTurnNotAvailable = -128;

struct AisDimensions {
    uint16_t ToBow = 0; // metres from the position reference
    uint16_t ToStern = 0;
    uint8_t ToPort = 0;
    uint8_t ToStarboard = 0;
};

// Types 1, 2 and 3: class A position report, 168 bits.
struct AisPositionReport {
    uint8_t Type = 1;
    uint32_t Mmsi = 0;
    uint8_t NavigationStatus = 0;
    int8_t RateOfTurn = kAisTurnNotAvailable;
    uint16_t SpeedTenths = 0; // 1/10 knot
    bool Accurate = false;
    int32_t Longitude = kAisLongitudeNotAvailable; // 1/10000 minute
    int32_t Latitude = kAisLatitudeNotAvailable;
    uint16_t CourseTenths = 0; // 1/10 degree
    uint16_t Heading = kAisHeadingNotAvailable;
    uint8_t Second = 60;
    uint8_t Manoeuvre = 0;
    bool Raim = false;
    uint32_t RadioStatus = 0;
};

// Type 5: class A static and voyage data, 424 bits.
struct AisStaticVoyage {
    uint32_t Mmsi = 0;
    uint8_t AisVersion = 0;
    uint32_t Imo = 0;
    std::string CallSign; // 7 characters
    std::string Name;     // 20 characters
    uint8_t ShipType = 0;
    AisDimensions Dimensions;
    uint8_t PositionDevice = 1; // GPS
    uint8_t EtaMonth = 0, EtaDay = 0, EtaHour = 24, EtaMinute = 60;
    uint8_t DraughtTenths = 0; // 1/10 metre
    std::string Destination;   // 20 characters
    bool DteNotReady = false;
};

// Type 18: class B position report, 168 bits.
struct AisClassBPosition {
    uint32_t Mmsi = 0;
    uint16_t SpeedTenths = 0;
    bool Accurate = false;
    int32_t Longitude = kAisLongitudeNotAvailable;
    int32_t Latitude = kAisLatitudeNotAvailable;
    uint16_t CourseTenths = 0;
    uint16_t Heading = kAisHeadingNotAvailable;
    uint8_t Second = 60;
    // Unit, display, DSC, band, message 22, assigned, RAIM, radio selector, in this
    // order from the most significant bit.
    uint8_t Flags = 0;
    uint32_t RadioStatus = 0;
};

// Type 24 part A (the name), 160 bits.
struct AisClassBName {
    uint32_t Mmsi = 0;
    std::string Name; // 20 characters
};

// Type 24 part B (type, vendor, call sign, size), 168 bits.
struct AisClassBStatic {
    uint32_t Mmsi = 0;
    uint8_t ShipType = 0;
    std::string Vendor;   // 7 characters
    std::string CallSign; // 7 characters
    AisDimensions Dimensions;
};

AisPayload EncodeAis(const AisPositionReport& message);
AisPayload EncodeAis(const AisStaticVoyage& message);
AisPayload EncodeAis(const AisClassBPosition& message);
AisPayload EncodeAis(const AisClassBName& message);
AisPayload EncodeAis(const AisClassBStatic& message);
