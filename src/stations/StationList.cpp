#include "stations/StationList.h"

#include "ais/GreatCircle.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBandLimits[kDistanceBands - 1] = {5, 10, 20, 40};

uint8_t MessageKey(const AisMessage& message) {
    uint8_t type = message.Bytes[0];
    // Type 24's part number is stored in byte 6; part B (1) is kept apart from part A.
    return type == 24 && message.Bytes[6] == 1 ? 25 : type;
}

// The types whose message sets a station's position in the target table.
constexpr AisTypesHeard kPositionTypes = AisTypeBit(1) | AisTypeBit(2) | AisTypeBit(3) |
                                         AisTypeBit(4) | AisTypeBit(9) | AisTypeBit(18) |
                                         AisTypeBit(19) | AisTypeBit(21);

} // namespace

bool IsUsablePosition(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90 &&
           std::fabs(longitude) <= 180;
}

int CoverageSector(double bearing) {
    int sector = static_cast<int>(std::floor(bearing / 10.0));
    return std::clamp(sector, 0, kCoverageSectors - 1);
}

int DistanceBand(double distanceNm) {
    int band = 0;
    while (band < kDistanceBands - 1 && distanceNm >= kBandLimits[band])
        ++band;
    return band;
}

TStationList::TStationList(const AisTargetTable& table)
    : table_(table), records_(kAisTargetCapacity), bands_(kAisTargetCapacity, -1) {}

void TStationList::Feed(const AisState& ais, char channel, int64_t now,
                        const std::optional<TGeoPosition>& own) {
    int32_t entry = ais.Targets.LastIndex;
    if (entry < 0 || entry >= kAisTargetCapacity)
        return;
    ++revision_;
    const AisTarget& target = table_.Targets[entry];
    if (entry == 0) {
        if ((kPositionTypes & AisTypeBit(ais.Message.Bytes[0])) &&
            IsUsablePosition(target.Latitude, target.Longitude))
            ownVdoPositionSet_ = true;
        return;
    }
    TStationRecord& record = records_[entry];
    if (record.Mmsi == 0)
        entries_.push_back(entry);
    // The target table gave the entry to another station: its extras start again.
    if (record.Mmsi != target.Mmsi) {
        record = TStationRecord{};
        record.Mmsi = target.Mmsi;
    }
    if (channel == 'A' || channel == '1')
        ++record.ChannelA;
    else if (channel == 'B' || channel == '2')
        ++record.ChannelB;
    record.TypesHeard |= AisTypeBit(ais.Message.Bytes[0]);
    record.LastHeard = now;
    uint8_t key = MessageKey(ais.Message);
    auto kept =
        std::lower_bound(record.LastMessages.begin(), record.LastMessages.end(), key,
                         [](const TStationMessage& message, uint8_t k) { return message.Key < k; });
    if (kept == record.LastMessages.end() || kept->Key != key)
        kept = record.LastMessages.insert(kept, TStationMessage{key, 0, {}});
    kept->BitCount = ais.Bits.Count;
    kept->Message = ais.Message;
    UpdateCoverage(entry, own);
}

void TStationList::UpdateCoverage(int32_t entry, const std::optional<TGeoPosition>& own) {
    const AisTarget& target = table_.Targets[entry];
    int band = kDistanceBands; // unusable until shown otherwise
    if (own && IsUsablePosition(target.Latitude, target.Longitude)) {
        GreatCircleLeg leg =
            GreatCircleFrom(own->Latitude, own->Longitude, target.Latitude, target.Longitude);
        if (leg.DistanceNm <= kFarthestUsableNm) {
            band = DistanceBand(leg.DistanceNm);
            int sector = CoverageSector(leg.Bearing);
            if (leg.DistanceNm > farthestNm_[sector]) {
                farthestNm_[sector] = leg.DistanceNm;
                farthestMmsi_[sector] = target.Mmsi;
            }
        }
    }
    if (bands_[entry] >= 0)
        --bandCounts_[bands_[entry]];
    bands_[entry] = static_cast<int8_t>(band);
    ++bandCounts_[band];
}

void TStationList::Clear() {
    for (int32_t entry : entries_) {
        records_[entry] = TStationRecord{};
        bands_[entry] = -1;
    }
    entries_.clear();
    farthestNm_ = {};
    farthestMmsi_ = {};
    bandCounts_ = {};
    ++revision_;
}

TCoverageView TStationList::Coverage() const {
    TCoverageView view;
    view.FarthestNm = farthestNm_;
    view.FarthestMmsi = farthestMmsi_;
    std::copy_n(bandCounts_.begin(), kDistanceBands, view.BandCounts.begin());
    view.Unusable = bandCounts_[kDistanceBands];
    view.BandTitles = {"0-5 NM", "5-10 NM", "10-20 NM", "20-40 NM", "40+ NM"};
    double farthest = *std::max_element(farthestNm_.begin(), farthestNm_.end());
    if (farthest > 0) {
        // Steps of 1, 2, 5, 10, 20, 50, ... NM: the smallest that covers the farthest
        // sector with at most five rings.
        constexpr int kMostRings = 5;
        double step = 1;
        for (int i = 0; step * kMostRings < farthest; ++i)
            step *= i % 3 == 1 ? 2.5 : 2;
        view.RingStepNm = step;
        view.RingCount = std::max(1, static_cast<int>(std::ceil(farthest / step)));
    }
    return view;
}

std::optional<TGeoPosition> ReceiverPosition(const NavigationState& navigation,
                                             const TStationList& list) {
    if (navigation.PositionValid &&
        IsUsablePosition(navigation.Position.Latitude, navigation.Position.Longitude))
        return TGeoPosition{navigation.Position.Latitude, navigation.Position.Longitude};
    const AisTarget& own = list.Table().Targets[0];
    if (list.OwnVdoPositionSet() && IsUsablePosition(own.Latitude, own.Longitude))
        return TGeoPosition{own.Latitude, own.Longitude};
    return std::nullopt;
}
