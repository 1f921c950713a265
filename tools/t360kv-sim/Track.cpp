#include "Track.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

TrackPoint CircleTrack::At(double seconds) const {
    if (RadiusNm <= 0 || SpeedKnots <= 0)
        return {CentreLatitude, CentreLongitude, 0, 0};
    // Reduce the time to one lap first: epoch seconds times a rate lose precision.
    double lapSeconds = 2 * std::numbers::pi * RadiusNm / SpeedKnots * 3600.0;
    double turned = std::fmod(seconds, lapSeconds) / lapSeconds * 2 * std::numbers::pi;
    double angle = StartAngle * kDegree + (Clockwise ? turned : -turned);
    double north = RadiusNm * std::cos(angle);
    double east = RadiusNm * std::sin(angle);
    // The heading is the tangent of the circle in the direction of travel.
    double course = std::atan2(std::cos(angle), -std::sin(angle)) / kDegree;
    if (!Clockwise)
        course += 180;
    course = std::fmod(course + 360.0, 360.0);
    return {CentreLatitude + north / 60.0,
            CentreLongitude + east / (60.0 * std::cos(CentreLatitude * kDegree)), course,
            SpeedKnots};
}
