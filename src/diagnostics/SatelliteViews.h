// The two views of a completed cycle, the sky map's symbols and the SNR chart, kept as
// data for the window to show.
#pragma once

#include "diagnostics/SnrChart.h"
#include "skyview/SatelliteSymbols.h"

#include <string>
#include <vector>

class TSatelliteViews {
public:
    // The chart holds its 16 placeholder bars, no symbol is shown.
    TSatelliteViews() : bars_(InitialSnrBars()) {}

    // Shows `epoch`: one bar and (for the first 32) one symbol per satellite in view.
    void RefreshSatelliteViews(const SatelliteEpoch& epoch);

    TSatelliteSymbols& Symbols() { return symbols_; }
    const TSatelliteSymbols& Symbols() const { return symbols_; }
    const std::vector<TSnrBar>& Bars() const { return bars_; }
    // Value marks on the bars: shown from the first refresh on.
    bool ValueMarksVisible() const { return valueMarksVisible_; }
    // The page's "Satellites in view" and "Satellites in use" fields after a refresh.
    const std::string& InViewText() const { return inViewText_; }
    const std::string& InUseText() const { return inUseText_; }

private:
    TSatelliteSymbols symbols_;
    std::vector<TSnrBar> bars_;
    bool valueMarksVisible_ = false;
    std::string inViewText_;
    std::string inUseText_;
};
