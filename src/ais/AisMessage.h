// A decoded AIS message and the rows of the tables that decode it: for each field its bit
// width, the kind that says how it is read and stored, a scale, and its name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

// How a field is read and stored. "Signed" reads the field as a two's-complement number of
// its own width.
enum AisFieldKind : uint8_t {
    akByte = 0,           // unsigned, 1 byte
    akUInt16 = 1,         // unsigned, uint16
    akApplicationId = 2,  // unsigned, uint16: the designated area code of binary messages
    akUInt32 = 3,         // unsigned, uint32
    akId = 4,             // unsigned, uint32: MMSIs, IMO numbers, wide spare fields
    akSignedScaled = 5,   // signed × scale, float
    akUnsignedScaled = 6, // unsigned × scale, float
    akText = 7,           // width / 6 six-bit characters, then a NUL
    akTextToEnd = 8,      // every whole six-bit character to the end of the message, then a NUL
    akRateOfTurn = 9,     // signed v: (v / 4.733)² with the sign of v, float
    akNone = 10,          // no field: decoding fails
    akLongitude = 11,     // signed × scale / 60, degrees, float
    akLatitude = 12,      // as akLongitude
    akCourse = 13,        // unsigned × scale, float
    akHeading = 14,       // unsigned, uint16; any value above 359 is stored as 511
    akTimeStamp = 15,     // unsigned, 1 byte
    akCommState = 16,     // unsigned, uint32: communication state
    akDimensions = 17,    // unsigned, uint32: to bow 9 bits, to stern 9, to port 6, to starboard 6
    akEta = 18,           // unsigned, uint32: month 4 bits, day 5, hour 5, minute 6
};
inline constexpr uint8_t kAisKindCount = 19;

struct AisField {
    int16_t Width; // bits
    AisFieldKind Kind;
    double Scale;          // exact enough that a tenth of 139 is stored as the float nearest 13.9
    std::string_view Name; // snake_case; "spare" for the fields the standard leaves unused
};

// The fields of one message type in order of transmission, the 6-bit type first.
using AisFieldTable = std::span<const AisField>;

// Bytes a field of a fixed-size kind takes in AisMessage; a text to the end of the message
// takes its characters and the NUL, counted here as the NUL alone.
constexpr size_t AisStoredSize(const AisField& field) {
    switch (field.Kind) {
    case akByte:
    case akTimeStamp:
    case akTextToEnd:
        return 1;
    case akUInt16:
    case akApplicationId:
    case akHeading:
        return 2;
    case akText:
        return static_cast<size_t>(field.Width / 6 + 1);
    case akNone:
        return 0;
    default:
        return 4;
    }
}

inline constexpr size_t kAisMessageSize = 171;

// Byte 0 the message type; from byte 1 on the fields from the table's second row onwards
// without gaps, each in the size of its kind, in the processor's byte order. Fields that
// were not decoded are zero.
struct AisMessage {
    uint8_t Bytes[kAisMessageSize];
};

template <typename T> T LoadAisValue(const AisMessage& message, size_t offset) {
    T value;
    std::memcpy(&value, message.Bytes + offset, sizeof value);
    return value;
}
