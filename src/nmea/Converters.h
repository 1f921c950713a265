// Conversion of sentence fields to numbers, positions, times and dates. The converters
// take a field as a FieldList reads it (an empty field being a space). Numbers are read up
// to the first character that cannot continue them, so a field's text must be followed by
// a delimiter or NUL, as it is in a sentence.
#pragma once

#include "nmea/SentenceTypes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Optional white space, optional sign, decimal digits up to the first other character;
// no digits give 0. The result keeps the low-order 64 bits of the value, so truncating
// it to a field's width keeps that width's low-order bits of the number as written.
// (Inline: most fields of a sentence are integers.)
inline int64_t ParseInteger(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    uint64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    return static_cast<int64_t>(negative ? 0 - value : value);
}

namespace decimal {
// Powers of ten that a double holds exactly.
extern const double kExactPowersOfTen[23];
// The decimal text from `digits` (after the sign) in full precision.
double ConvertSlowly(const char* digits);
} // namespace decimal

// Optional white space, optional sign, digits with an optional decimal point and an
// optional exponent; text without a number gives 0. Only decimal notation is read.
inline double ParseDouble(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    const char* begin = p;
    uint64_t mantissa = 0;
    while (*p >= '0' && *p <= '9')
        mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    size_t digits = static_cast<size_t>(p - begin);
    size_t decimals = 0;
    if (*p == '.') {
        const char* fraction = ++p;
        while (*p >= '0' && *p <= '9')
            mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
        decimals = static_cast<size_t>(p - fraction);
        digits += decimals;
    }
    if (digits == 0)
        return 0.0;
    double value;
    // One correctly rounded division of exact operands gives the same result as a full
    // conversion; numbers with more digits, an exponent or beyond 2^53 take the long way.
    if (digits <= 19 && decimals <= 22 && mantissa <= (uint64_t{1} << 53) && *p != 'e' && *p != 'E')
        value = static_cast<double>(mantissa) / decimal::kExactPowersOfTen[decimals];
    else
        value = decimal::ConvertSlowly(begin);
    return negative ? -value : value;
}

// ParseDouble rounded to single precision.
inline float ParseReal(const char* text) {
    return static_cast<float>(ParseDouble(text));
}

// A double truncated toward zero, saturated to the 64-bit range (NaN gives 0), so that
// absurd field values convert without undefined behaviour.
int64_t TruncateToInteger(double value);

// Degrees from the degrees-and-minutes form dddmm.mmmm: 4807.038 gives 48.117302. A
// result above `limit` (90 or 180), or not a number, gives limit + 1.
float DegreesFromNmea(float value, int limit);

// A position from its four fields: latitude, N/S, longitude, E/W. Empty coordinates
// give 91 and 181; "S" and "W" negate (the markers too).
GeoPoint ParseLatLon(std::string_view latitude, std::string_view northSouth,
                     std::string_view longitude, std::string_view eastWest);

// A time field hhmmss.ss. An empty field gives 24:60:60 and leaves the hundredths as
// they were.
void ParseUtcTime(std::string_view field, UtcTime& time);

// A date field ddmmyy; every two-digit year is taken as 20yy. Empty gives 0/0/0.
UtcDate ParseDate(std::string_view field);

// Hexadecimal digits 0-9 and A-F (upper case only) to a byte, keeping the low 8 bits.
// False on any other character.
bool ParseHexByte(const char* text, size_t length, uint8_t& byte);
