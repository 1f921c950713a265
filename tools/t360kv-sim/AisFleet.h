// Made-up vessels around the simulated receiver, taking turns to send their AIS reports:
// class A ships their position (types 1 and 3) and now and then their static and voyage
// data (type 5, two fragments); class B craft their position (type 18) and their name and
// particulars (type 24 parts A and B).
#pragma once

#include "AisMessages.h"
#include "AisSource.h"
#include "Track.h"

#include <cstdint>
#include <string>
#include <vector>

struct FleetVessel {
    uint32_t Mmsi = 0;
    bool ClassA = true;
    std::string Name;
    std::string CallSign;
    std::string Destination; // class A only
    uint8_t ShipType = 0;
    AisDimensions Size;
    uint8_t DraughtTenths = 0; // class A only
    uint8_t NavigationStatus = 0;
    CircleTrack Track;
};

class AisFleet : public AisSource {
public:
    // A handful of vessels off the coast near 25 degrees N, 121.5 degrees E.
    AisFleet();
    explicit AisFleet(std::vector<FleetVessel> vessels);

    std::vector<std::string> NextMessage(double unixSeconds) override;

private:
    AisPayload NextPayload(const FleetVessel& vessel, unsigned turn, double unixSeconds) const;

    std::vector<FleetVessel> vessels_;
    std::vector<unsigned> turns_; // reports sent so far, per vessel
    size_t next_ = 0;
    char channel_ = 'A';
    int sequenceId_ = 0;
};
