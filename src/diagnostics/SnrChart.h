// The SNR bar chart as data: one bar per satellite in view with its PRN as label, lime
// for satellites used in the solution and blue for the others, padded with "---" bars.
#pragma once

#include "diagnostics/SatelliteEpoch.h"
#include "diagnostics/SkyColours.h"

#include <string>
#include <vector>

// The value axis is fixed, whatever the bars hold.
inline constexpr int kSnrAxisMinimum = 0;
inline constexpr int kSnrAxisMaximum = 58;
// Fewer satellites than this are padded with placeholder bars, so the bars keep a width.
inline constexpr int kSnrMinimumBars = 16;
inline constexpr char kSnrPlaceholderLabel[] = "---";

inline constexpr char kSnrAxisTitle[] = "SNR (dB-Hz)";
inline constexpr char kSatelliteAxisTitle[] = "Satellite ID";

struct TSnrBar {
    std::string Label;
    int Value; // dB-Hz
    TRgb Colour;
    friend bool operator==(const TSnrBar&, const TSnrBar&) = default;
};

// The chart at start-up: 16 placeholder bars.
std::vector<TSnrBar> InitialSnrBars();

// The bars of a completed cycle, in the order the satellites first appeared.
std::vector<TSnrBar> SnrBarsOf(const SatelliteEpoch& epoch);
