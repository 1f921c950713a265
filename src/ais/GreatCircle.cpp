#include "ais/GreatCircle.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
} // namespace

// Haversine for the distance (well conditioned at short ranges), atan2 for the bearing.
GreatCircleLeg GreatCircleFrom(double fromLatitude, double fromLongitude, double toLatitude,
                               double toLongitude) {
    double phi1 = fromLatitude * kRadiansPerDegree;
    double phi2 = toLatitude * kRadiansPerDegree;
    double deltaPhi = phi2 - phi1;
    double deltaLambda = (toLongitude - fromLongitude) * kRadiansPerDegree;
    double sinHalfPhi = std::sin(deltaPhi / 2);
    double sinHalfLambda = std::sin(deltaLambda / 2);
    double a =
        sinHalfPhi * sinHalfPhi + std::cos(phi1) * std::cos(phi2) * sinHalfLambda * sinHalfLambda;
    a = std::fmin(1.0, std::fmax(0.0, a));
    double distance = 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a)) * kEarthRadiusNm;
    if (distance == 0)
        return {0, 0};
    double y = std::sin(deltaLambda) * std::cos(phi2);
    double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(deltaLambda);
    double bearing = std::fmod(std::atan2(y, x) / kRadiansPerDegree + 360.0, 360.0);
    if (bearing >= 360.0)
        bearing -= 360.0;
    return {distance, bearing};
}
