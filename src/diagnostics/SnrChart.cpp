#include "diagnostics/SnrChart.h"

namespace {

void PadWithPlaceholders(std::vector<TSnrBar>& bars) {
    while (bars.size() < static_cast<size_t>(kSnrMinimumBars))
        bars.push_back({kSnrPlaceholderLabel, 0, kBlue});
}

} // namespace

std::vector<TSnrBar> InitialSnrBars() {
    std::vector<TSnrBar> bars;
    PadWithPlaceholders(bars);
    return bars;
}

std::vector<TSnrBar> SnrBarsOf(const SatelliteEpoch& epoch) {
    std::vector<TSnrBar> bars;
    for (int i = 0; i < epoch.InViewCount; ++i) {
        int prn = epoch.InViewPrn[i];
        bars.push_back(
            {std::to_string(prn), epoch.InViewSnr[i], SatelliteColour(epoch.InUse(prn))});
    }
    PadWithPlaceholders(bars);
    return bars;
}
