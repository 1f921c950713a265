// Where a simulated vessel is: it goes round a circle at a steady speed, so that it
// moves for ever without leaving the area.
#pragma once

struct TrackPoint {
    double Latitude = 0;  // degrees, north positive
    double Longitude = 0; // degrees, east positive
    double Course = 0;    // degrees true, 0 to below 360
    double Speed = 0;     // knots
};

struct CircleTrack {
    double CentreLatitude = 0;
    double CentreLongitude = 0;
    double RadiusNm = 0; // 0 (or a speed of 0): the vessel lies still at the centre
    double SpeedKnots = 0;
    double StartAngle = 0; // degrees clockwise from north, at time 0
    bool Clockwise = true;

    // The position at `seconds` since the Unix epoch.
    TrackPoint At(double seconds) const;
};
