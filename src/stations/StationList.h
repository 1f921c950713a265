// The stations heard since Clear, beside the decoder's target table: for each entry the
// messages per channel, the message types heard, the last message of each type and when
// it was last heard; and the coverage those stations give from the receiver's position.
#pragma once

#include "ais/AisCodeTexts.h"
#include "ais/AisPath.h"
#include "nmea/NavigationState.h"
#include "view/StationRows.h"

#include <cstdint>
#include <optional>
#include <vector>

struct TGeoPosition {
    double Latitude;
    double Longitude;
};

// A latitude and longitude a station or a fix may really have (not 91/181, not NaN).
bool IsUsablePosition(double latitude, double longitude);

// The last message of one type a station sent: `Key` its type, 25 for part B of type 24.
struct TStationMessage {
    uint8_t Key;
    uint16_t BitCount;
    AisMessage Message;
};

struct TStationRecord {
    int32_t Mmsi = 0; // 0: not heard since Clear
    int32_t ChannelA = 0;
    int32_t ChannelB = 0;
    AisTypesHeard TypesHeard = 0;
    int64_t LastHeard = 0;                     // seconds of the list's clock
    std::vector<TStationMessage> LastMessages; // ascending by Key
};

class TStationList {
public:
    explicit TStationList(const AisTargetTable& table);

    // After each decoded AIS message (in `ais`) that came on `channel`, at `now` seconds;
    // `own` is the receiver's position at that time, if any.
    void Feed(const AisState& ais, char channel, int64_t now,
              const std::optional<TGeoPosition>& own);
    void Clear();

    const AisTargetTable& Table() const { return table_; }
    const TStationRecord& Record(int32_t entry) const { return records_[entry]; }
    // The entries heard since Clear, in the order first heard.
    const std::vector<int32_t>& Entries() const { return entries_; }
    // True once a VDO set the own-ship entry's position (it starts with a made-up one).
    bool OwnVdoPositionSet() const { return ownVdoPositionSet_; }
    // Changes with every message fed and every Clear.
    uint64_t Revision() const { return revision_; }

    TCoverageView Coverage() const;

private:
    void UpdateCoverage(int32_t entry, const std::optional<TGeoPosition>& own);

    const AisTargetTable& table_;
    std::vector<TStationRecord> records_;
    std::vector<int32_t> entries_;
    // Per entry the band of its latest distance, kDistanceBands when unusable, -1 none.
    std::vector<int8_t> bands_;
    std::array<double, kCoverageSectors> farthestNm_{};
    std::array<int32_t, kCoverageSectors> farthestMmsi_{};
    std::array<int32_t, kDistanceBands + 1> bandCounts_{};
    bool ownVdoPositionSet_ = false;
    uint64_t revision_ = 0;
};

// The receiver's position: its own GPS fix if valid, else the own-ship VDO position once a
// VDO set it, else none.
std::optional<TGeoPosition> ReceiverPosition(const NavigationState& navigation,
                                             const TStationList& list);

// Stations farther than this are unusable for coverage.
inline constexpr double kFarthestUsableNm = 500.0;
// The sector of a bearing in [0, 360): [10 i, 10 i + 10) is sector i.
int CoverageSector(double bearing);
// The band of a distance: 0-5, 5-10, 10-20, 20-40, 40 NM and farther.
int DistanceBand(double distanceNm);
