// The texts of the GPS STATUS page's fields.
#include "diagnostics/GpsPageTexts.h"
#include "view/CodePages.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The window's texts are in the language's code page; the tests read them as UTF-8.
std::string Utf8(const std::string& text, TLanguage language = laEnglish) {
    return TextToUtf8(language, text);
}

TEST(GpsPageTexts, LatitudeAndLongitude) {
    struct Case {
        float longitude, latitude;
        const char* longitudeText;
        const char* latitudeText;
    };
    const Case cases[] = {
        {-121.25f, 25.5f, "121°15.0000'W", " 25°30.0000'N"},
        {0.0f, 0.5f, "  0°00.0000'E", "  0°30.0000'N"},
        {0.0f, -0.5f, "  0°00.0000'E", "  0°30.0000'S"},
        // 1/60000 of a degree below a whole ten-thousandth: truncated, not rounded.
        {12.999999f, -45.75f, " 12°59.9999'E", " 45°45.0000'S"},
        {179.999f, -89.9999f, "179°59.9395'E", " 89°59.9940'S"},
        {kNaN, 1e30f, "N/A", "N/A"},
    };
    for (const Case& c : cases) {
        TLatLonTexts texts = FormatLatLon(c.longitude, c.latitude, laEnglish);
        EXPECT_EQ(Utf8(texts.Longitude), c.longitudeText) << c.longitude;
        EXPECT_EQ(Utf8(texts.Latitude), c.latitudeText) << c.latitude;
    }
}

TEST(GpsPageTexts, DegreeSignInTheWindowsCodePage) {
    EXPECT_EQ(FormatLatLon(0, 25.5f, laEnglish).Latitude, " 25\xB0"
                                                          "30.0000'N");
    for (TLanguage language : {laTraChinese, laSimpChinese}) {
        EXPECT_EQ(Utf8(FormatLatLon(0, 25.5f, language).Latitude, language), " 25°30.0000'N");
        EXPECT_EQ(Utf8(ShowPositionAndMotion(0, 0, 0, 12.5f, language).Cog, language), " 12.5°");
    }
}

TEST(GpsPageTexts, FixModeAndHdop) {
    struct Case {
        const char* what;
        int mode;
        float hdop;
        const char* fixText;
        const char* hdopText;
    };
    const Case cases[] = {
        {"3D fix", 3, 0.9f, "3D", " 0.9"},
        {"2D fix", 2, 12.34f, "2D", "12.3"},
        {"no fix hides the HDOP", 1, 0.9f, "Lost", "N/A"},
        {"empty mode field", -128, 0.9f, "Lost", "N/A"},
        {"single-precision 99.9 counts as 99.9", 3, 99.9f, "3D", "N/A"},
        {"99.8 is shown", 3, 99.8f, "3D", "99.8"},
        {"empty HDOP field", 3, -100000.0f, "3D", "-100000.0"},
        {"HDOP not a number", 3, kNaN, "3D", "N/A"},
    };
    for (const Case& c : cases) {
        TFixModeTexts texts = ShowFixMode(c.mode, c.hdop);
        EXPECT_EQ(texts.FixMode, c.fixText) << c.what;
        EXPECT_EQ(texts.Hdop, c.hdopText) << c.what;
    }
}

TEST(GpsPageTexts, SpeedAndCourseOverGround) {
    struct Case {
        const char* what;
        float sog, cog;
        const char* sogText;
        const char* cogText;
    };
    const Case cases[] = {
        {"ordinary values", 12.5f, 84.4f, "12.50 Kt", " 84.4°"},
        {"highest shown speed, course north", 102.2f, 0.0f, "102.20 Kt", "  0.0°"},
        {"too fast, course a full circle", 102.3f, 360.0f, "N/A", "N/A"},
        {"negative", -0.1f, -0.1f, "N/A", "N/A"},
        {"empty fields", -100000.0f, -100000.0f, "N/A", "N/A"},
        {"not numbers", kNaN, kNaN, "N/A", "N/A"},
        {"just below a full circle", 0.0f, 359.9f, " 0.00 Kt", "359.9°"},
    };
    for (const Case& c : cases) {
        TPositionAndMotionTexts texts = ShowPositionAndMotion(0, 0, c.sog, c.cog, laEnglish);
        EXPECT_EQ(texts.Sog, c.sogText) << c.what;
        EXPECT_EQ(Utf8(texts.Cog), c.cogText) << c.what;
    }
}

TEST(GpsPageTexts, DateAndTime) {
    EXPECT_EQ(UtcDateText({2025, 2, 7}), "2025/02/07");
    EXPECT_EQ(UtcTimeText({8, 5, 3, 99}), "08:05:03");
}

} // namespace
