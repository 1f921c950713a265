// Distance and initial bearing between two positions on a sphere of the Earth's mean
// radius: at the ranges a VHF receiver hears, the sphere is within a fraction of a percent
// of the ellipsoid.
#pragma once

// The mean radius of the WGS-84 ellipsoid, 6371.0088 km, in nautical miles of 1852 m.
inline constexpr double kEarthRadiusNm = 6371008.8 / 1852.0;

struct GreatCircleLeg {
    double DistanceNm;
    double Bearing; // degrees true, [0, 360); 0 between coincident points
};

// The leg from the first position to the second, degrees of latitude and longitude.
GreatCircleLeg GreatCircleFrom(double fromLatitude, double fromLongitude, double toLatitude,
                               double toLongitude);
