// The SNR bar chart as data: one bar per satellite in view with its PRN as label, lime
// for satellites used in the solution and blue for the others, padded with "---" bars.
#pragma once

#include "diagnostics/SatelliteEpoch.h"
#include "skyview/SnrBar.h"

#include <vector>

// The chart at start-up: 16 placeholder bars.
std::vector<TSnrBar> InitialSnrBars();

// The bars of a completed cycle, in the order the satellites first appeared.
std::vector<TSnrBar> SnrBarsOf(const SatelliteEpoch& epoch);
