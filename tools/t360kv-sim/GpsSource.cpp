#include "GpsSource.h"

#include "GnssSky.h"
#include "Sentence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr double kKmPerNm = 1.852;
constexpr double kAltitudeMetres = 12.4;
constexpr double kGeoidSeparationMetres = 17.1;
constexpr int kGsvBlocksPerSentence = 4;
constexpr int kGgaMaxSatellites = 12;

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// ddmm.mmmmm or dddmm.mmmmm and the hemisphere letter, rounded in whole units of the
// last digit so that the minutes never read 60.
std::string Coordinate(double degrees, int degreeDigits, char positive, char negative) {
    constexpr long long kUnitsPerMinute = 100000;
    long long units = std::llround(std::fabs(degrees) * 60 * kUnitsPerMinute);
    long long wholeDegrees = units / (60 * kUnitsPerMinute);
    long long minuteUnits = units % (60 * kUnitsPerMinute);
    return Format("%0*lld%02lld.%05lld,%c", degreeDigits, wholeDegrees,
                  minuteUnits / kUnitsPerMinute, minuteUnits % kUnitsPerMinute,
                  degrees < 0 ? negative : positive);
}

std::string Position(const TrackPoint& point) {
    return Coordinate(point.Latitude, 2, 'N', 'S') + "," + Coordinate(point.Longitude, 3, 'E', 'W');
}

std::string DopText(double dop) {
    return Format("%.1f", std::min(dop, 99.0));
}

// GSA of one constellation: the fix mode of the whole solution, 12 PRN slots, then PDOP,
// HDOP, VDOP.
std::string Gsa(int fixMode, const std::vector<int>& used, double hdop) {
    std::string body = Format("$GNGSA,A,%d", fixMode);
    for (size_t slot = 0; slot < 12; ++slot)
        body += slot < used.size() ? Format(",%02d", used[slot]) : std::string(",");
    body += "," + DopText(hdop * 1.7) + "," + DopText(hdop) + "," + DopText(hdop * 1.4);
    return CompleteSentence(body);
}

void AppendGsv(const Constellation& constellation, const std::vector<SatelliteView>& inView,
               std::vector<std::string>& out) {
    int total = static_cast<int>(inView.size());
    int sentences = std::max(1, (total + kGsvBlocksPerSentence - 1) / kGsvBlocksPerSentence);
    for (int n = 0; n < sentences; ++n) {
        std::string body =
            Format("$%sGSV,%d,%d,%02d", constellation.GsvTalker.c_str(), sentences, n + 1, total);
        for (int i = n * kGsvBlocksPerSentence;
             i < std::min(total, (n + 1) * kGsvBlocksPerSentence); ++i) {
            const SatelliteView& view = inView[static_cast<size_t>(i)];
            body += Format(",%02d,%02d,%03d,", view.Prn, view.Elevation, view.Azimuth);
            if (view.Snr >= 0)
                body += Format("%02d", view.Snr);
        }
        out.push_back(CompleteSentence(body));
    }
}

} // namespace

// Off the north coast, in sight of the vessels the AIS side makes up.
GpsSource::GpsSource() : track_{25.30, 121.35, 2.0, 6.0, 0.0, true} {}

std::vector<std::string> GpsSource::Epoch(int64_t unixSeconds) const {
    auto seconds = static_cast<double>(unixSeconds);
    TrackPoint point = track_.At(seconds);
    std::vector<SatelliteView> gps = SatellitesInView(GpsConstellation(), seconds);
    std::vector<SatelliteView> glonass = SatellitesInView(GlonassConstellation(), seconds);
    std::vector<int> gpsUsed = SatellitesUsed(gps);
    std::vector<int> glonassUsed = SatellitesUsed(glonass);
    int used = static_cast<int>(gpsUsed.size() + glonassUsed.size());
    // More satellites in the solution, better geometry.
    double hdop = used > 0 ? 0.5 + 4.0 / used : 99.0;

    auto time = static_cast<std::time_t>(unixSeconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    std::string hms = Format("%02d%02d%02d.00", utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::string speed = Format("%.2f", point.Speed);
    std::string course = Format("%.1f", point.Course);

    std::vector<std::string> out;
    out.push_back(CompleteSentence(
        Format("$GNRMC,%s,A,", hms.c_str()) + Position(point) + "," + speed + "," + course +
        Format(",%02d%02d%02d,,,A", utc.tm_mday, utc.tm_mon + 1, utc.tm_year % 100)));
    out.push_back(CompleteSentence("$GNVTG," + course + ",T,,M," + speed + ",N," +
                                   Format("%.2f", point.Speed * kKmPerNm) + ",K,A"));
    out.push_back(
        CompleteSentence(Format("$GNGGA,%s,", hms.c_str()) + Position(point) +
                         Format(",1,%02d,", std::min(used, kGgaMaxSatellites)) + DopText(hdop) +
                         Format(",%.1f,M,%.1f,M,,", kAltitudeMetres, kGeoidSeparationMetres)));
    int fixMode = used >= 4 ? 3 : 1;
    out.push_back(Gsa(fixMode, gpsUsed, hdop));
    out.push_back(Gsa(fixMode, glonassUsed, hdop));
    AppendGsv(GpsConstellation(), gps, out);
    AppendGsv(GlonassConstellation(), glonass, out);
    out.push_back(CompleteSentence("$GNGLL," + Position(point) + "," + hms + ",A,A"));
    out.push_back(CompleteSentence(Format("$GNZDA,%s,%02d,%02d,%04d,00,00", hms.c_str(),
                                          utc.tm_mday, utc.tm_mon + 1, utc.tm_year + 1900)));
    return out;
}
