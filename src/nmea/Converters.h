// Conversion of sentence fields to numbers, positions, times and dates. Every converter
// takes a field as read from a FieldList: NUL-terminated, an empty field being a space.
#pragma once

#include "nmea/SentenceTypes.h"

// Optional white space, optional sign, decimal digits up to the first other character;
// no digits give 0. The result keeps the low-order 64 bits of the value, so truncating
// it to a field's width keeps that width's low-order bits of the number as written.
int64_t ParseInteger(const char* text);

// Optional white space, optional sign, digits with an optional decimal point and an
// optional exponent; text without a number gives 0. Only decimal notation is read.
double ParseDouble(const char* text);

// ParseDouble rounded to single precision.
float ParseReal(const char* text);

// A double truncated toward zero, saturated to the 64-bit range (NaN gives 0), so that
// absurd field values convert without undefined behaviour.
int64_t TruncateToInteger(double value);

// Degrees from the degrees-and-minutes form dddmm.mmmm: 4807.038 gives 48.117302. A
// result above `limit` (90 or 180), or not a number, gives limit + 1.
float DegreesFromNmea(float value, int limit);

// A position from its four fields: latitude, N/S, longitude, E/W. Empty coordinates
// give 91 and 181; "S" and "W" negate (the markers too).
GeoPoint ParseLatLon(const char* latitude, const char* northSouth, const char* longitude,
                     const char* eastWest);

// A time field hhmmss.ss. An empty field gives 24:60:60 and leaves the hundredths as
// they were.
void ParseUtcTime(const char* field, UtcTime& time);

// A date field ddmmyy; every two-digit year is taken as 20yy. Empty gives 0/0/0.
UtcDate ParseDate(const char* field);

// Hexadecimal digits 0-9 and A-F (upper case only) to a byte, keeping the low 8 bits.
// False on any other character.
bool ParseHexByte(const char* text, size_t length, uint8_t& byte);
