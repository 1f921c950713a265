// Distance and initial bearing against pairs worked out by hand on the same sphere.
#include "ais/GreatCircle.h"

#include <gtest/gtest.h>

namespace {

struct Leg {
    const char* what;
    double fromLat, fromLon, toLat, toLon;
    double distanceNm, bearing;
};

// A minute of arc of a great circle is 1852 m on a sphere of 1852 * 60 * 180 / pi m; on
// this radius it is kEarthRadiusNm * pi / 10800 NM.
constexpr double kMinuteNm = kEarthRadiusNm * 3.141592653589793 / 10800.0;

const Leg kLegs[] = {
    {"due north along a meridian", 0, 0, 1, 0, 60 * kMinuteNm, 0},
    {"due east along the equator", 0, 0, 0, 1, 60 * kMinuteNm, 90},
    {"due south", 10, 20, 9, 20, 60 * kMinuteNm, 180},
    {"due west along the equator", 0, 0, 0, -1, 60 * kMinuteNm, 270},
    {"east across the antimeridian", 0, 179.5, 0, -179.5, 60 * kMinuteNm, 90},
    {"west across the antimeridian", 0, -179.5, 0, 179.5, 60 * kMinuteNm, 270},
    {"over the north pole", 89.5, 0, 89.5, 180, 60 * kMinuteNm, 0},
    {"over the south pole", -89.5, 90, -89.5, -90, 60 * kMinuteNm, 180},
    {"coincident points", 48.38, -123.39, 48.38, -123.39, 0, 0},
    {"quarter of the equator", 0, 0, 0, 90, 5400 * kMinuteNm, 90},
    // A textbook pair: Kennedy airport to Los Angeles airport lie 0.623585 radians of arc
    // apart (2145.2 NM on this radius), the initial bearing about 274 degrees.
    {"JFK to LAX", 40.633333, -73.783333, 33.95, -118.4, 0.623585 * kEarthRadiusNm, 274.0},
};

TEST(GreatCircle, KnownLegs) {
    for (const Leg& leg : kLegs) {
        SCOPED_TRACE(leg.what);
        GreatCircleLeg result = GreatCircleFrom(leg.fromLat, leg.fromLon, leg.toLat, leg.toLon);
        double tolerance = leg.distanceNm > 1000 ? 0.1 : 1e-6;
        EXPECT_NEAR(result.DistanceNm, leg.distanceNm, tolerance);
        EXPECT_NEAR(result.Bearing, leg.bearing, leg.distanceNm > 1000 ? 1.0 : 1e-6);
        EXPECT_GE(result.Bearing, 0.0);
        EXPECT_LT(result.Bearing, 360.0);
    }
}

TEST(GreatCircle, BearingJustWestOfNorthStaysBelow360) {
    GreatCircleLeg leg = GreatCircleFrom(0, 0, 1, -1e-9);
    EXPECT_LT(leg.Bearing, 360.0);
    EXPECT_GT(leg.Bearing, 359.9);
}

} // namespace
