#include "nmea/Converters.h"

#include "nmea/Framing.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

namespace decimal {

const double kExactPowersOfTen[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double ConvertSlowly(const char* begin) {
    const char* end = begin;
    while (IsDigit(*end))
        ++end;
    if (*end == '.')
        for (++end; IsDigit(*end); ++end) {
        }
    // An exponent counts only with at least one digit after its optional sign.
    if (*end == 'e' || *end == 'E') {
        const char* exponent = end + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (IsDigit(*exponent))
            for (end = exponent; IsDigit(*end); ++end) {
            }
    }
    double value = 0.0;
    auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: a negative exponent makes it small.
        const char* e = begin;
        while (e < end && *e != 'e' && *e != 'E')
            ++e;
        value = e < end && e[1] == '-' ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return value;
}

} // namespace decimal

int64_t TruncateToInteger(double value) {
    constexpr double kLimit = 9.2e18;
    if (value != value)
        return 0;
    if (value >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (value <= -kLimit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

float DegreesFromNmea(float value, int limit) {
    double minutesForm = static_cast<double>(value) * 0.01;
    double degrees = std::trunc(minutesForm);
    float result = static_cast<float>(degrees + (minutesForm - degrees) * 1.6666666666666667);
    return result <= static_cast<float>(limit) ? result : static_cast<float>(limit + 1);
}

GeoPoint ParseLatLon(std::string_view latitude, std::string_view northSouth,
                     std::string_view longitude, std::string_view eastWest) {
    GeoPoint point;
    point.Latitude =
        IsEmptyField(latitude) ? kEmptyLatitude : DegreesFromNmea(ParseReal(latitude.data()), 90);
    if (northSouth == "S")
        point.Latitude = -point.Latitude;
    point.Longitude = IsEmptyField(longitude) ? kEmptyLongitude
                                              : DegreesFromNmea(ParseReal(longitude.data()), 180);
    if (eastWest == "W")
        point.Longitude = -point.Longitude;
    return point;
}

void ParseUtcTime(std::string_view field, UtcTime& time) {
    if (IsEmptyField(field)) {
        time.Hour = kEmptyHour;
        time.Minute = kEmptyMinute;
        time.Second = kEmptySecond;
        return;
    }
    double x = ParseDouble(field.data());
    int64_t hour = TruncateToInteger(x * 0.0001);
    int64_t minute = TruncateToInteger((x - static_cast<double>(hour) * 10000) * 0.01);
    float seconds = static_cast<float>(x - static_cast<double>(hour) * 10000 -
                                       static_cast<double>(minute) * 100);
    int64_t second = TruncateToInteger(seconds);
    // The hundredths as written: the single-precision error of the seconds (below 4e-6
    // s) is absorbed before truncating, so .10 gives 10 and .29 gives 29.
    constexpr double kSingleErrorAllowance = 0.001;
    int64_t hundredths = TruncateToInteger(
        (static_cast<double>(seconds) - static_cast<double>(second)) * 100 + kSingleErrorAllowance);
    time.Hour = static_cast<uint8_t>(hour);
    time.Minute = static_cast<uint8_t>(minute);
    time.Second = static_cast<uint8_t>(second);
    time.Hundredths = static_cast<uint8_t>(hundredths > 99 ? 99 : hundredths);
}

UtcDate ParseDate(std::string_view field) {
    if (IsEmptyField(field))
        return UtcDate{0, 0, 0};
    int32_t v = static_cast<int32_t>(ParseInteger(field.data()));
    return UtcDate{static_cast<int16_t>(v % 100 + 2000), static_cast<int8_t>(v / 100 % 100),
                   static_cast<int8_t>(v / 10000)};
}

bool ParseHexByte(const char* text, size_t length, uint8_t& byte) {
    unsigned value = 0;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        value = (value * 16 + digit) & 0xFF;
    }
    byte = static_cast<uint8_t>(value);
    return true;
}
