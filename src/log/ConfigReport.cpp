#include "log/ConfigReport.h"

#include "dialogs/DialogTexts.h"

#include <cstdio>

namespace {

const std::string kRule(43, '=');

std::string Printf(const char* format, auto... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

std::vector<std::string> ConfigReportLines(const TReportValues& v) {
    const TLocalTime& t = v.Time;
    return {
        kRule,
        "  " + v.WindowCaption,
        "    SW Version = " + v.Version,
        "       " + Printf("%04d/%02d/%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                           t.Minute, t.Second),
        kRule,
        "  Serial Number    = " + v.SerialNo,
        "  Firmware Version = " + v.Firmware,
        "",
        "",
        "[" + v.BaudRateCaption + "]",
        Printf("\tRS-232 Baud Rate = %d", v.Rs232Baud),
        "",
        Printf("\tNMEA Baud Rate = %d", v.NmeaBaud),
        "",
        "[" + v.InternalGpsCaption + "]",
        "\t" + v.GpsEnableCaption + " = " + (v.GpsEnabled ? "ON" : "OFF"),
        "",
        "\t" + v.GpsModeCaption + " = " + v.GpsModeText,
        "",
        kRule,
        kMakerCopyright,
        kMakerCompany,
        kMakerWebUrl,
        kRule,
    };
}

std::string ConfigReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
