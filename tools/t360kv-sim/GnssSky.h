// The satellites over the simulated receiver: each constellation's satellites rise, climb,
// cross the sky and set again, and their signals grow with their elevation.
#pragma once

#include <string>
#include <vector>

struct Constellation {
    std::string GsvTalker; // "GP", "GL"
    std::vector<int> Prns;
    double OrbitSeconds; // one revolution; a satellite is above the horizon for half of it
};

struct SatelliteView {
    int Prn = 0;
    int Elevation = 0; // degrees, 0 to 90
    int Azimuth = 0;   // degrees true, 0 to 359
    int Snr = -1;      // dB-Hz, 0 to 99; -1 while the signal is not tracked
};

const Constellation& GpsConstellation();
const Constellation& GlonassConstellation();

// The satellites above the horizon at `seconds` since the Unix epoch, by rising PRN.
std::vector<SatelliteView> SatellitesInView(const Constellation& constellation, double seconds);

// The satellites a fix would use: tracked and at least 10 degrees up, at most 12.
std::vector<int> SatellitesUsed(const std::vector<SatelliteView>& inView);
