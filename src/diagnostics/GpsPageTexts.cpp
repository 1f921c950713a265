#include "diagnostics/GpsPageTexts.h"

#include "view/CodePages.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr char kNotAvailable[] = "N/A";

// The fastest speed over ground the page shows, in knots.
constexpr double kHighestSog = 102.2;

template <typename... Values> std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string CoordinateText(float coordinate, char positive, char negative, TLanguage language) {
    double x = coordinate;
    // Beyond these a degree count no longer fits the 16 bits it is cut to.
    if (!std::isfinite(x) || std::fabs(x) >= 32768.0)
        return kNotAvailable;
    auto degrees = static_cast<int16_t>(x);
    double minutes = std::fabs(x - degrees) * 60.0;
    auto wholeMinutes = static_cast<int>(minutes);
    auto tenThousandths = static_cast<int>((minutes - wholeMinutes) * 10000.0);
    return Format("%3d%s%02d.%04d'%c", std::abs(degrees), DegreeSign(language), wholeMinutes,
                  tenThousandths, x >= 0 ? positive : negative);
}

} // namespace

std::string UtcDateText(const UtcDate& date) {
    return Format("%04d/%02d/%02d", date.Year, date.Month, date.Day);
}

std::string UtcTimeText(const UtcTime& time) {
    return Format("%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
}

TLatLonTexts FormatLatLon(float longitude, float latitude, TLanguage language) {
    return {CoordinateText(longitude, 'E', 'W', language),
            CoordinateText(latitude, 'N', 'S', language)};
}

TFixModeTexts ShowFixMode(int fixMode, float hdop) {
    if (fixMode == 2 || fixMode == 3)
        return {Format("%dD", fixMode), ShowHdop(hdop)};
    return {"Lost", ShowHdop(99.9f)};
}

std::string ShowHdop(float hdop) {
    if (std::isnan(hdop) || static_cast<double>(hdop) >= 99.9)
        return kNotAvailable;
    return Format("%4.1f", static_cast<double>(hdop));
}

TPositionAndMotionTexts ShowPositionAndMotion(float longitude, float latitude, float sog, float cog,
                                              TLanguage language) {
    TLatLonTexts position = FormatLatLon(longitude, latitude, language);
    TPositionAndMotionTexts texts{position.Longitude, position.Latitude, kNotAvailable,
                                  kNotAvailable};
    if (!std::isnan(sog) && sog >= 0 && static_cast<double>(sog) <= kHighestSog)
        texts.Sog = Format("%5.2f Kt", static_cast<double>(sog));
    if (!std::isnan(cog) && cog >= 0 && cog < 360)
        texts.Cog = Format("%5.1f", static_cast<double>(cog)) + DegreeSign(language);
    return texts;
}
