// The internal GPS of the simulated receiver: once a second a multi-constellation fix
// (GPS and GLONASS) of a boat going round off the coast, as RMC, VTG, GGA, GSA, GSV,
// GLL and ZDA sentences.
#pragma once

#include "Track.h"

#include <cstdint>
#include <string>
#include <vector>

class GpsSource {
public:
    // A boat near 25 degrees N, 121.5 degrees E going round at 6 knots.
    GpsSource();
    explicit GpsSource(const CircleTrack& track) : track_(track) {}

    // The complete sentences (without line ends) of the fix at the whole UTC second
    // `unixSeconds`.
    std::vector<std::string> Epoch(int64_t unixSeconds) const;

private:
    CircleTrack track_;
};
