// The satellites of one reporting cycle of the receiver's GPS, collected from the GSA
// and GSV sentences between two refreshes of the satellite views. A cycle is complete
// when one of the once-per-fix sentences (RMC, VTG, GGA, GLL, GBS) comes a second time.
#pragma once

#include "nmea/NavigationState.h"

#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int kMaxEpochSatellites = 36;

// Bits of SatelliteEpoch::SentenceSeen.
enum TCycleSentence : uint32_t { csRmc = 1, csVtg = 2, csGga = 4, csGll = 8, csGbs = 16 };

struct SatelliteEpoch {
    uint8_t InUseCount;
    uint8_t InUsePrn[kMaxEpochSatellites]; // from GSA, in order of first appearance
    uint8_t InViewCount;
    int8_t InViewPrn[kMaxEpochSatellites]; // from GSV, in order of first appearance
    int8_t InViewElevation[kMaxEpochSatellites];
    int16_t InViewAzimuth[kMaxEpochSatellites];
    int8_t InViewSnr[kMaxEpochSatellites];
    uint32_t SentenceSeen; // TCycleSentence bits seen since the last refresh

    // The PRN is among the satellites used in the solution.
    bool InUse(int prn) const;
};

class TSatelliteCycle {
public:
    // Adds what the GNSS sentence with `formatter` (three letters), just merged into
    // `navigation`, tells about the cycle. When the sentence completes the cycle, returns
    // the cycle's satellites and starts an empty one, in which that sentence does not
    // count as seen.
    std::optional<SatelliteEpoch> Collect(std::string_view formatter,
                                          const NavigationState& navigation);

    const SatelliteEpoch& Current() const { return epoch_; }

private:
    void CollectInUse(const NavigationState& navigation);
    void CollectInView(const NavigationState& navigation);

    SatelliteEpoch epoch_{};
};
