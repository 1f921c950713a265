// Field converters: integers truncated to their width, reals in single precision,
// positions, times, dates and hexadecimal bytes.
#include "nmea/Converters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

TEST(ParseInteger, ReadsLeadingDigitsAndKeepsTheLowOrderBits) {
    EXPECT_EQ(ParseInteger("  -42xyz"), -42);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("A"), 0);
    EXPECT_EQ(ParseInteger(" "), 0);
    EXPECT_EQ(static_cast<int8_t>(ParseInteger("300")), 44);
    // 2^64 + 5 keeps the low bits of the number as written.
    EXPECT_EQ(ParseInteger("18446744073709551621"), 5);
    EXPECT_EQ(static_cast<int32_t>(ParseInteger("99999999999999999999999")), -159383553);
}

TEST(ParseDouble, MatchesTheStandardConversionOfDecimalText) {
    const char* texts[] = {"4807.038",
                           "-0.031",
                           "0.000",
                           "1e3",
                           "1.5E-2",
                           "123519.00",
                           ".5",
                           "5.",
                           "-.25",
                           "1e",
                           "1e+",
                           "00012.50",
                           "1e400",
                           "1e-400",
                           "0.1",
                           "99.9",
                           "3.4028236e38",
                           "1e-5",
                           "-1.5e+3x",
                           "9007199254740993",
                           "0.1e23",
                           "12345678901234567890123",
                           "0.000000000000000000000000123"};
    for (const char* text : texts)
        EXPECT_EQ(ParseDouble(text), std::strtod(text, nullptr)) << text;
    std::string digits400(400, '9');
    EXPECT_EQ(ParseDouble(digits400.c_str()), HUGE_VAL);

    // Random decimals of field-like shapes.
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> digits(0, 999999999999LL);
    std::uniform_int_distribution<int> point(0, 12);
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(digits(random));
        text.insert(text.size() - static_cast<size_t>(point(random)) % text.size(), ".");
        EXPECT_EQ(ParseDouble(text.c_str()), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(ParseDouble, ReadsNoHexadecimalOrNamedValues) {
    EXPECT_EQ(ParseDouble("0x10"), 0.0);
    EXPECT_EQ(ParseDouble("inf"), 0.0);
    EXPECT_EQ(ParseDouble("nan"), 0.0);
    EXPECT_EQ(ParseDouble("."), 0.0);
}

TEST(DegreesFromNmea, GivesTheSinglePrecisionResult) {
    EXPECT_EQ(DegreesFromNmea(4807.038f, 90), 48.117302f);
    EXPECT_EQ(DegreesFromNmea(9100.0f, 90), 91.0f);
    EXPECT_EQ(DegreesFromNmea(18100.0f, 180), 181.0f);
    EXPECT_EQ(DegreesFromNmea(std::nanf(""), 90), 91.0f);
    EXPECT_EQ(DegreesFromNmea(INFINITY, 180), 181.0f);
}

TEST(ParseLatLon, AppliesHemispheresAndMarkers) {
    GeoPoint point = ParseLatLon("4807.038", "S", "01131.000", "W");
    EXPECT_EQ(point.Latitude, -48.117302f);
    EXPECT_EQ(point.Longitude, -11.516666f);
    point = ParseLatLon(" ", "S", " ", "W");
    EXPECT_EQ(point.Latitude, -91.0f);
    EXPECT_EQ(point.Longitude, -181.0f);
    point = ParseLatLon("9100.00", "N", " ", "E");
    EXPECT_EQ(point.Latitude, 91.0f);
    EXPECT_EQ(point.Longitude, 181.0f);
}

struct TimeCase {
    const char* field;
    int hour, minute, second, hundredths;
};

TEST(ParseUtcTime, SplitsHoursMinutesSecondsAndHundredths) {
    const TimeCase cases[] = {
        {"123519", 12, 35, 19, 0},     {"123519.00", 12, 35, 19, 0},  {"101010.5", 10, 10, 10, 50},
        {"235959", 23, 59, 59, 0},     {"101010.10", 10, 10, 10, 10}, {"101010.29", 10, 10, 10, 29},
        {"235959.99", 23, 59, 59, 99}, {"000000.01", 0, 0, 0, 1},     {"120000.125", 12, 0, 0, 12},
    };
    for (const TimeCase& c : cases) {
        UtcTime time{};
        ParseUtcTime(c.field, time);
        EXPECT_EQ(time.Hour, c.hour) << c.field;
        EXPECT_EQ(time.Minute, c.minute) << c.field;
        EXPECT_EQ(time.Second, c.second) << c.field;
        EXPECT_EQ(time.Hundredths, c.hundredths) << c.field;
    }
}

TEST(ParseUtcTime, EmptyFieldGivesTheMarkerAndKeepsTheHundredths) {
    UtcTime time{1, 2, 3, 42};
    ParseUtcTime(" ", time);
    EXPECT_EQ(time.Hour, 24);
    EXPECT_EQ(time.Minute, 60);
    EXPECT_EQ(time.Second, 60);
    EXPECT_EQ(time.Hundredths, 42);
}

TEST(ParseUtcTime, AbsurdValuesKeepTheLowOrderBits) {
    // Out-of-range parts saturate before they are truncated to a byte: no undefined
    // conversion for the sanitizers to find.
    UtcTime time{};
    ParseUtcTime("1e300", time);
    EXPECT_EQ(time.Hour, 255);
    ParseUtcTime("-1e300", time);
    EXPECT_EQ(time.Hour, 0);
    ParseUtcTime("2560000", time);
    EXPECT_EQ(time.Hour, 0);
}

TEST(ParseDate, TakesEveryYearAs20yy) {
    struct {
        const char* field;
        int year, month, day;
    } cases[] = {
        {"230394", 2094, 3, 23}, {"010100", 2000, 1, 1}, {"311299", 2099, 12, 31}, {" ", 0, 0, 0}};
    for (const auto& c : cases) {
        UtcDate date = ParseDate(c.field);
        EXPECT_EQ(date.Year, c.year) << c.field;
        EXPECT_EQ(date.Month, c.month) << c.field;
        EXPECT_EQ(date.Day, c.day) << c.field;
    }
}

TEST(ParseHexByte, ReadsUpperCaseDigitsOnly) {
    uint8_t byte = 0;
    EXPECT_TRUE(ParseHexByte("1B", 2, byte));
    EXPECT_EQ(byte, 0x1B);
    EXPECT_TRUE(ParseHexByte("FFF", 3, byte));
    EXPECT_EQ(byte, 0xFF);
    EXPECT_FALSE(ParseHexByte("1b", 2, byte));
    EXPECT_FALSE(ParseHexByte("G0", 2, byte));
}

} // namespace
