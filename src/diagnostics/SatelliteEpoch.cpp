#include "diagnostics/SatelliteEpoch.h"

namespace {

struct CycleMark {
    const char* Formatter;
    TCycleSentence Bit;
};

constexpr CycleMark kCycleMarks[] = {
    {"RMC", csRmc}, {"VTG", csVtg}, {"GGA", csGga}, {"GLL", csGll}, {"GBS", csGbs},
};

} // namespace

bool SatelliteEpoch::InUse(int prn) const {
    for (int i = 0; i < InUseCount; ++i)
        if (InUsePrn[i] == prn)
            return true;
    return false;
}

std::optional<SatelliteEpoch> TSatelliteCycle::Collect(std::string_view formatter,
                                                       const NavigationState& navigation) {
    if (formatter == "GSA") {
        CollectInUse(navigation);
        return std::nullopt;
    }
    if (formatter == "GSV") {
        CollectInView(navigation);
        return std::nullopt;
    }
    for (const CycleMark& mark : kCycleMarks) {
        if (formatter != mark.Formatter)
            continue;
        if ((epoch_.SentenceSeen & mark.Bit) == 0) {
            epoch_.SentenceSeen |= mark.Bit;
            return std::nullopt;
        }
        SatelliteEpoch complete = epoch_;
        epoch_ = SatelliteEpoch{};
        return complete;
    }
    return std::nullopt;
}

void TSatelliteCycle::CollectInUse(const NavigationState& navigation) {
    // Every PRN field of the GSA, wherever it stands: receivers that leave a gap between
    // PRN fields list used satellites after it.
    for (int8_t prn : navigation.UsedPrns) {
        if (prn <= 0 || epoch_.InUse(prn))
            continue;
        if (epoch_.InUseCount < kMaxEpochSatellites)
            epoch_.InUsePrn[epoch_.InUseCount++] = static_cast<uint8_t>(prn);
    }
}

void TSatelliteCycle::CollectInView(const NavigationState& navigation) {
    int blocks = navigation.GsvBlockCount < 4 ? navigation.GsvBlockCount : 4;
    for (int k = 0; k < blocks; ++k) {
        int8_t prn = navigation.GsvPrn[k];
        if (prn < 0 || navigation.GsvSnr[k] < 0)
            continue;
        bool known = false;
        for (int i = 0; i < epoch_.InViewCount && !known; ++i)
            known = epoch_.InViewPrn[i] == prn;
        if (known || epoch_.InViewCount >= kMaxEpochSatellites)
            continue;
        int i = epoch_.InViewCount++;
        epoch_.InViewPrn[i] = prn;
        epoch_.InViewElevation[i] = navigation.GsvElevation[k];
        epoch_.InViewAzimuth[i] = navigation.GsvAzimuth[k];
        epoch_.InViewSnr[i] = navigation.GsvSnr[k];
    }
}
