// One bar of the SNR chart and the chart's fixed axis, as the window draws them.
#pragma once

#include "skyview/SkyColours.h"

#include <string>

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
