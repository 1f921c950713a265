// The code tables of the AIS messages as text: type of ship and cargo, navigational
// status, type of aid to navigation, and the class of a station from the messages it sent.
#pragma once

#include <cstdint>
#include <string>

// "Cargo, hazardous category A"; "Not available" for 0; "Unknown (N)" beyond 99.
std::string ShipTypeText(unsigned code);
// "Under way using engine" ... "Not defined" (15).
std::string NavigationalStatusText(unsigned code);
// "Cardinal mark N" ...; 0 "Default, type not given".
std::string AidTypeText(unsigned code);

// Bit n set: message type n was heard from the station.
using AisTypesHeard = uint32_t;
inline constexpr AisTypesHeard AisTypeBit(unsigned type) {
    return type < 32 ? 1u << type : 0;
}

// "Class A", "Class B", "Base station", "Aid to navigation", "SAR aircraft", or "" when
// none of the types heard tells.
std::string StationClassText(AisTypesHeard types);

// "Type 5: static and voyage data"; type 24's parts as "Type 24 part A: ...".
std::string AisMessageTitle(unsigned type, unsigned partNumber);
