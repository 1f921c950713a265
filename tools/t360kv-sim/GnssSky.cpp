#include "GnssSky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kMaxUsedPerSystem = 12;
constexpr int kTrackedFromElevation = 5;
constexpr int kUsedFromElevation = 10;

} // namespace

const Constellation& GpsConstellation() {
    static const Constellation gps{
        "GP", {2, 5, 6, 9, 12, 13, 15, 17, 19, 20, 24, 25, 28, 30}, 43082.0};
    return gps;
}

const Constellation& GlonassConstellation() {
    static const Constellation glonass{"GL", {65, 66, 72, 73, 74, 75, 81, 82, 87, 88}, 40544.0};
    return glonass;
}

std::vector<SatelliteView> SatellitesInView(const Constellation& constellation, double seconds) {
    std::vector<SatelliteView> inView;
    int count = static_cast<int>(constellation.Prns.size());
    double orbitPart = std::fmod(seconds, constellation.OrbitSeconds) / constellation.OrbitSeconds;
    for (int k = 0; k < count; ++k) {
        // Evenly spread phases keep about half of the satellites above the horizon.
        double phase = std::fmod(orbitPart + static_cast<double>(k) / count, 1.0);
        if (phase >= 0.5)
            continue;
        double pass = phase * 2; // 0 at rising, 1 at setting
        // Every satellite has its own highest elevation and its own path across the sky.
        double peak = 25 + (k * 37) % 60;
        double riseAzimuth = (k * 97) % 360;
        double sweep = 140 + (k * 53) % 80;
        SatelliteView view;
        view.Prn = constellation.Prns[static_cast<size_t>(k)];
        view.Elevation = static_cast<int>(std::lround(peak * std::sin(pass * std::numbers::pi)));
        view.Azimuth = static_cast<int>(std::lround(riseAzimuth + sweep * pass)) % 360;
        if (view.Elevation >= kTrackedFromElevation) {
            double flicker = 3 * std::sin(seconds / 23.0 + k);
            view.Snr = std::clamp(
                static_cast<int>(std::lround(20 + 0.3 * view.Elevation + flicker)), 0, 99);
        }
        inView.push_back(view);
    }
    std::sort(inView.begin(), inView.end(),
              [](const SatelliteView& a, const SatelliteView& b) { return a.Prn < b.Prn; });
    return inView;
}

std::vector<int> SatellitesUsed(const std::vector<SatelliteView>& inView) {
    std::vector<int> used;
    for (const SatelliteView& view : inView)
        if (view.Snr >= 0 && view.Elevation >= kUsedFromElevation &&
            static_cast<int>(used.size()) < kMaxUsedPerSystem)
            used.push_back(view.Prn);
    return used;
}
