// Value types shared by the sentence parsers, the null markers they store for empty
// fields, and the groups a sentence formatter belongs to.
#pragma once

#include <cstddef>
#include <cstdint>

// Hour, minute, second and hundredths of a UTC time field (hhmmss.ss).
struct UtcTime {
    uint8_t Hour;
    uint8_t Minute;
    uint8_t Second;
    uint8_t Hundredths;
};

// A date with a four-digit year. Month and day are signed so that the 8-bit null
// marker of a ZDA day or month can be stored in them.
struct UtcDate {
    int16_t Year;
    int8_t Month;
    int8_t Day;
};

// Signed decimal degrees, north and east positive.
struct GeoPoint {
    float Latitude;
    float Longitude;
};

// Null markers: what a parser stores for an empty field. A field table may name another.
inline constexpr int8_t kEmptyInt8 = -128;
inline constexpr int16_t kEmptyInt16 = -1;
inline constexpr int32_t kEmptyId32 = 999999999;
inline constexpr float kEmptyReal = -100000.0f;
inline constexpr char kEmptyChar = static_cast<char>(-128);
inline constexpr float kEmptyLatitude = 91.0f;
inline constexpr float kEmptyLongitude = 181.0f;
inline constexpr uint8_t kEmptyHour = 24;
inline constexpr uint8_t kEmptyMinute = 60;
inline constexpr uint8_t kEmptySecond = 60;

// How a decoded sentence is sorted for its readers.
enum SentenceGroup : uint8_t {
    sgNone = 0,
    sgGnss = 1,
    sgHeading = 2,
    sgLongRange = 3,
    sgAisEquipment = 4,
    sgDsc = 5,
    sgDevice = 6,
};

// A received line is decoded in a caller-owned buffer of this size: the line (at most
// 82 characters with its CR LF) plus room for the spaces written into empty fields.
inline constexpr size_t kSentenceBufferSize = 100;
using SentenceBuffer = char[kSentenceBufferSize];

// Longest line that the decoder takes, CR LF included.
inline constexpr size_t kMaxSentenceLength = 82;
