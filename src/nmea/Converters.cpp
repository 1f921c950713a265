#include "nmea/Converters.h"

#include "nmea/Framing.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr uint64_t kExactMantissaLimit = uint64_t{1} << 53;

// The digits of a number in decimal notation, found without converting them.
struct DecimalText {
    const char* begin = nullptr; // first digit or decimal point, after the sign
    const char* end = nullptr;
    bool negative = false;
    uint64_t mantissa = 0; // the significant digits, when there are at most 19
    int significantDigits = 0;
    int exponent = 0; // of ten, applied to the mantissa
};

// Scans optional white space, sign, digits, decimal point, digits and exponent. False
// when there is no digit before the exponent.
bool ScanDecimal(const char* p, DecimalText& number) {
    while (IsSpace(*p))
        ++p;
    if (*p == '+' || *p == '-')
        number.negative = *p++ == '-';
    number.begin = p;
    bool anyDigit = false;
    auto takeDigit = [&](char c, int exponentStep) {
        anyDigit = true;
        if (number.mantissa == 0 && c == '0') {
            number.exponent += exponentStep < 0 ? -1 : 0;
            return;
        }
        if (number.significantDigits < 19) {
            number.mantissa = number.mantissa * 10 + static_cast<uint64_t>(c - '0');
            number.exponent += exponentStep < 0 ? -1 : 0;
        } else {
            number.exponent += exponentStep > 0 ? 1 : 0;
        }
        ++number.significantDigits;
    };
    for (; IsDigit(*p); ++p)
        takeDigit(*p, +1);
    if (*p == '.')
        for (++p; IsDigit(*p); ++p)
            takeDigit(*p, -1);
    if (!anyDigit)
        return false;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (*q == '+' || *q == '-')
            negativeExponent = *q++ == '-';
        if (IsDigit(*q)) {
            int value = 0;
            for (; IsDigit(*q); ++q)
                value = value < 100000 ? value * 10 + (*q - '0') : value;
            number.exponent += negativeExponent ? -value : value;
            p = q;
        }
    }
    number.end = p;
    return true;
}

} // namespace

int64_t ParseInteger(const char* text) {
    const char* p = text;
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    uint64_t value = 0;
    for (; IsDigit(*p); ++p)
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    return static_cast<int64_t>(negative ? 0 - value : value);
}

double ParseDouble(const char* text) {
    DecimalText number;
    if (!ScanDecimal(text, number))
        return 0.0;
    double value;
    if (number.significantDigits <= 19 && number.mantissa <= kExactMantissaLimit &&
        number.exponent >= -22 && number.exponent <= 22) {
        // One correctly rounded operation on exact operands: the same result as a full
        // conversion, without its cost.
        value = static_cast<double>(number.mantissa);
        value = number.exponent < 0 ? value / kExactPowersOfTen[-number.exponent]
                                    : value * kExactPowersOfTen[number.exponent];
    } else {
        auto result = std::from_chars(number.begin, number.end, value);
        if (result.ec == std::errc::result_out_of_range)
            value = number.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

float ParseReal(const char* text) {
    return static_cast<float>(ParseDouble(text));
}

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

GeoPoint ParseLatLon(const char* latitude, const char* northSouth, const char* longitude,
                     const char* eastWest) {
    GeoPoint point;
    point.Latitude =
        IsEmptyField(latitude) ? kEmptyLatitude : DegreesFromNmea(ParseReal(latitude), 90);
    if (std::strcmp(northSouth, "S") == 0)
        point.Latitude = -point.Latitude;
    point.Longitude =
        IsEmptyField(longitude) ? kEmptyLongitude : DegreesFromNmea(ParseReal(longitude), 180);
    if (std::strcmp(eastWest, "W") == 0)
        point.Longitude = -point.Longitude;
    return point;
}

void ParseUtcTime(const char* field, UtcTime& time) {
    if (IsEmptyField(field)) {
        time.Hour = kEmptyHour;
        time.Minute = kEmptyMinute;
        time.Second = kEmptySecond;
        return;
    }
    double x = ParseDouble(field);
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

UtcDate ParseDate(const char* field) {
    if (IsEmptyField(field))
        return UtcDate{0, 0, 0};
    int32_t v = static_cast<int32_t>(ParseInteger(field));
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
