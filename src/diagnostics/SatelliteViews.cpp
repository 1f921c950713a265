#include "diagnostics/SatelliteViews.h"

void TSatelliteViews::RefreshSatelliteViews(const SatelliteEpoch& epoch) {
    bars_ = SnrBarsOf(epoch);
    valueMarksVisible_ = true;
    for (int i = 0; i < epoch.InViewCount; ++i)
        symbols_.SetSatellite(i, epoch.InViewPrn[i], epoch.InViewAzimuth[i],
                              epoch.InViewElevation[i], epoch.InUse(epoch.InViewPrn[i]));
    symbols_.ShowFirst(epoch.InViewCount);
    inViewText_ = std::to_string(epoch.InViewCount);
    inUseText_ = std::to_string(epoch.InUseCount);
}
