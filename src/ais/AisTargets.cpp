#include "ais/AisTargets.h"

#include "ais/AisFieldTables.h"
#include "ais/AisMessageDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace ais_tables;

// Where a named field of a table is stored; a name the table lacks does not compile.
consteval size_t At(AisFieldTable table, std::string_view name) {
    size_t offset = AisOffsetOf(table, name);
    if (offset == kAisMessageSize)
        throw "the table has no field of that name";
    return offset;
}

constexpr size_t kMmsiOffset = 2;
constexpr bool MmsiAlwaysAt(size_t offset) {
    for (AisFieldTable table : kByType)
        if (AisOffsetOf(table, "mmsi") != offset)
            return false;
    return true;
}
static_assert(MmsiAlwaysAt(kMmsiOffset));

constexpr uint8_t kAccuracyFlag = 1 << 0;
constexpr uint8_t kRaimFlag = 1 << 1;
constexpr uint8_t kDteFlag = 1 << 2;

template <typename T> T Get(const AisMessage& message, size_t offset) {
    return LoadAisValue<T>(message, offset);
}

void SetFlag(uint8_t& flags, uint8_t flag, uint8_t on) {
    flags = static_cast<uint8_t>(on != 0 ? flags | flag : flags & ~flag);
}

void SetPositioningDevice(AisTarget& target, uint8_t device) {
    target.Status = static_cast<uint8_t>((target.Status & 0xF0) | (device & 0x0F));
}

template <size_t Size> void CopyText(char (&to)[Size], const AisMessage& message, size_t offset) {
    std::memcpy(to, message.Bytes + offset, Size - 1);
    to[Size - 1] = '\0';
}

// The dimension word: to bow 9 bits, to stern 9, to port 6, to starboard 6, from the top.
void SetDimensions(AisTarget& target, uint32_t word) {
    target.ToBow = static_cast<uint16_t>(word >> 21 & 0x1FF);
    target.ToStern = static_cast<uint16_t>(word >> 12 & 0x1FF);
    target.ToPort = static_cast<uint8_t>(word >> 6 & 0x3F);
    target.ToStarboard = static_cast<uint8_t>(word & 0x3F);
}

// Accuracy, RAIM and position, and with them speed and course, of the position reports,
// which share the names of these fields.
template <const auto& kTable, bool kWithMotion>
void ApplyPosition(AisTarget& target, const AisMessage& m) {
    SetFlag(target.Flags, kAccuracyFlag, Get<uint8_t>(m, At(kTable, "accuracy")));
    SetFlag(target.Flags, kRaimFlag, Get<uint8_t>(m, At(kTable, "raim")));
    target.Longitude = Get<float>(m, At(kTable, "lon"));
    target.Latitude = Get<float>(m, At(kTable, "lat"));
    if constexpr (kWithMotion) {
        target.Speed = Get<float>(m, At(kTable, "speed"));
        target.Course = Get<float>(m, At(kTable, "course"));
    }
}

void ApplyClassAPosition(AisTarget& t, const AisMessage& m) {
    constexpr AisFieldTable table = kClassAPosition;
    t.Kind = tkClassA;
    t.Status = static_cast<uint8_t>((t.Status & 0x0F) | Get<uint8_t>(m, At(table, "status")) << 4);
    ApplyPosition<kClassAPosition, true>(t, m);
    t.Heading = Get<uint16_t>(m, At(table, "heading"));
    t.RateOfTurn = Get<float>(m, At(table, "turn"));
}

void ApplyBaseStation(AisTarget& t, const AisMessage& m) {
    t.Kind = tkBaseStation;
    SetPositioningDevice(t, Get<uint8_t>(m, At(kBaseStationReport, "epfd")));
    ApplyPosition<kBaseStationReport, false>(t, m);
}

void ApplyStaticAndVoyage(AisTarget& t, const AisMessage& m) {
    constexpr AisFieldTable table = kStaticAndVoyage;
    t.Kind = tkClassA;
    t.AisVersion = Get<uint8_t>(m, At(table, "ais_version")) & 0x03;
    t.Imo = static_cast<int32_t>(Get<uint32_t>(m, At(table, "imo")));
    CopyText(t.CallSign, m, At(table, "callsign"));
    CopyText(t.Name, m, At(table, "shipname"));
    t.ShipType = Get<uint8_t>(m, At(table, "shiptype"));
    SetDimensions(t, Get<uint32_t>(m, At(table, "dimensions")));
    SetPositioningDevice(t, Get<uint8_t>(m, At(table, "epfd")));
    // The arrival word: month 4 bits, day 5, hour 5, minute 6, from the top.
    uint32_t eta = Get<uint32_t>(m, At(table, "eta"));
    t.EtaMonth = static_cast<uint8_t>(eta >> 16 & 0x0F);
    t.EtaDay = static_cast<uint8_t>(eta >> 11 & 0x1F);
    t.EtaHour = static_cast<uint8_t>(eta >> 6 & 0x1F);
    t.EtaMinute = static_cast<uint8_t>(eta & 0x3F);
    t.Draught = Get<float>(m, At(table, "draught"));
    CopyText(t.Destination, m, At(table, "destination"));
    SetFlag(t.Flags, kDteFlag, Get<uint8_t>(m, At(table, "dte")));
}

void ApplySarAircraft(AisTarget& t, const AisMessage& m) {
    t.Kind = tkSarAircraft;
    ApplyPosition<kSarAircraftPosition, true>(t, m);
    SetFlag(t.Flags, kDteFlag, Get<uint8_t>(m, At(kSarAircraftPosition, "dte")));
    t.Extra.Altitude = Get<uint16_t>(m, At(kSarAircraftPosition, "alt"));
}

void ApplyClassBPosition(AisTarget& t, const AisMessage& m) {
    constexpr AisFieldTable table = kClassBPosition;
    t.Kind = tkClassB;
    ApplyPosition<kClassBPosition, true>(t, m);
    t.Heading = Get<uint16_t>(m, At(table, "heading"));
    t.ClassBFlags = static_cast<uint8_t>(
        Get<uint8_t>(m, At(table, "assigned")) | Get<uint8_t>(m, At(table, "cs")) << 1 |
        Get<uint8_t>(m, At(table, "display")) << 2 | Get<uint8_t>(m, At(table, "dsc")) << 3 |
        Get<uint8_t>(m, At(table, "band")) << 4 | Get<uint8_t>(m, At(table, "msg22")) << 5);
}

void ApplyClassBExtended(AisTarget& t, const AisMessage& m) {
    constexpr AisFieldTable table = kClassBExtended;
    t.Kind = tkClassB;
    ApplyPosition<kClassBExtended, true>(t, m);
    t.Heading = Get<uint16_t>(m, At(table, "heading"));
    CopyText(t.Name, m, At(table, "shipname"));
    t.ShipType = Get<uint8_t>(m, At(table, "shiptype"));
    SetDimensions(t, Get<uint32_t>(m, At(table, "dimensions")));
    SetPositioningDevice(t, Get<uint8_t>(m, At(table, "epfd")));
    SetFlag(t.Flags, kDteFlag, Get<uint8_t>(m, At(table, "dte")));
}

void ApplyAidToNavigation(AisTarget& t, const AisMessage& m) {
    constexpr AisFieldTable table = kAidToNavigation;
    t.Kind = tkAidToNavigation;
    ApplyPosition<kAidToNavigation, false>(t, m);
    CopyText(t.Name, m, At(table, "name"));
    SetDimensions(t, Get<uint32_t>(m, At(table, "dimensions")));
    SetPositioningDevice(t, Get<uint8_t>(m, At(table, "epfd")));
    t.AidFlags = static_cast<uint8_t>(Get<uint8_t>(m, At(table, "off_position")) |
                                      (Get<uint8_t>(m, At(table, "aid_type")) & 0x1F) << 1 |
                                      Get<uint8_t>(m, At(table, "virtual_aid")) << 6 |
                                      Get<uint8_t>(m, At(table, "assigned")) << 7);
    CopyText(t.Extra.NameExtension, m, At(table, "name_extension"));
}

// Part A carries the name, part B the rest. Parts 2 and 3 are not defined by the
// standard; they were decoded with part A's table and change nothing here.
void ApplyStaticData(AisTarget& t, const AisMessage& m, uint8_t partNumber) {
    t.Kind = tkClassB;
    if (partNumber == 0) {
        CopyText(t.Name, m, At(kStaticDataA, "shipname"));
    } else if (partNumber == 1) {
        t.ShipType = Get<uint8_t>(m, At(kStaticDataB, "shiptype"));
        CopyText(t.VendorId, m, At(kStaticDataB, "vendorid"));
        CopyText(t.CallSign, m, At(kStaticDataB, "callsign"));
        SetDimensions(t, Get<uint32_t>(m, At(kStaticDataB, "dimensions")));
    }
}

// The leading bytes of the message; a text cut by the record still ends with a NUL.
template <size_t Size>
void Keep(AisLastMessage<Size>& record, const AisMessage& message, bool endsWithText) {
    std::memcpy(record.Message, message.Bytes, Size);
    if (endsWithText)
        record.Message[Size - 1] = 0;
    record.NewMessage = 1;
}
template <size_t Size>
void KeepWithChannel(AisLastSlotMessage<Size>& record, const AisMessage& message,
                     int32_t channelCode) {
    Keep(record, message, false);
    record.ChannelCode = channelCode;
    record.Reserved = 0;
}

void Apply(AisTargetTable& table, AisTarget& target, const AisMessage& m, int32_t channelCode) {
    switch (m.Bytes[0]) {
    case 1:
    case 2:
    case 3:
        return ApplyClassAPosition(target, m);
    case 4:
        return ApplyBaseStation(target, m);
    case 5:
        return ApplyStaticAndVoyage(target, m);
    case 9:
        return ApplySarAircraft(target, m);
    case 12:
        return Keep(table.Addressed, m, true);
    case 14:
        return Keep(table.SafetyBroadcast, m, true);
    case 15:
        return KeepWithChannel(table.Interrogation, m, channelCode);
    case 16:
    case 17:
        target.Kind = tkBaseStation;
        return;
    case 18:
        return ApplyClassBPosition(target, m);
    case 19:
        return ApplyClassBExtended(target, m);
    case 20:
        target.Kind = tkBaseStation;
        return KeepWithChannel(table.LinkManagement, m, channelCode);
    case 21:
        return ApplyAidToNavigation(target, m);
    case 22:
        target.Kind = tkBaseStation;
        return Keep(table.ChannelManagement, m, false);
    case 23:
        target.Kind = tkBaseStation;
        return Keep(table.GroupAssignment, m, false);
    case 24:
        return ApplyStaticData(target, m, m.Bytes[At(kStaticDataA, "partno")]);
    default:
        return;
    }
}

void SetCorners(AisLastMessage<33>& record) {
    const size_t corners[] = {At(kGroupAssignment, "ne_lon"), At(kGroupAssignment, "ne_lat"),
                              At(kGroupAssignment, "sw_lon"), At(kGroupAssignment, "sw_lat")};
    const float unavailable[] = {181.0f, 91.0f, 181.0f, 91.0f};
    for (size_t i = 0; i < 4; ++i)
        std::memcpy(record.Message + corners[i], &unavailable[i], sizeof(float));
}

// An entry as InitAisTargets leaves it.
void Empty(AisTarget& target) {
    std::memset(&target, 0, sizeof target);
    target.Kind = tkEmpty;
    target.Longitude = 181.0f;
    target.Latitude = 91.0f;
}

// Seconds since a year 0 of the last-heard stamp, leap days not counted; 0 when never heard.
uint32_t HeardValue(const AisStamp& heard) {
    static constexpr uint16_t kDaysBefore[] = {0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};
    const AisDate& date = heard.Date;
    uint32_t monthDays = date.Month >= 1 && date.Month <= 12 ? kDaysBefore[date.Month - 1] : 0;
    uint32_t days = date.Year % 100u * 365u + monthDays + date.Day;
    return ((days * 24 + heard.Time.Hour) * 60 + heard.Time.Minute) * 60 + heard.Time.Second;
}

// Clears what the previous station left in a reused entry: nothing of it may pass to the
// next one.
void Reset(AisTarget& target) {
    Empty(target);
    target.Course = 361.0f;
    target.Heading = 511.0f;
    target.Flags = kDteFlag;
    target.Reserved[0] = -1.0f;
    target.Reserved[1] = -1.0f;
}

// The entry of a message from another station, assigned when its MMSI is new. It is
// the first entry from 0 on that holds the MMSI: entry 0 first, then the index.
int32_t EntryOf(AisTargetTable& table, int32_t mmsi, bool& isNew) {
    if (table.Targets[0].Mmsi == mmsi)
        return 0;
    int32_t entry = table.Index.Find(mmsi);
    if (entry >= 0)
        return entry;
    isNew = true;
    if (table.Count < kAisTargetCapacity) {
        entry = table.Count++;
    } else {
        entry = table.Order.Oldest();
        AisTarget& reused = table.Targets[entry];
        if (table.Index.Find(reused.Mmsi) == entry)
            table.Index.Erase(reused.Mmsi);
        Reset(reused);
    }
    table.Targets[entry].Mmsi = mmsi;
    table.Index.Insert(mmsi, entry);
    return entry;
}

// Entry 0 takes the own station's MMSI once; a later VDO of another MMSI leaves it.
int32_t OwnEntry(AisTargetTable& table, int32_t mmsi, bool& isNew) {
    AisTarget& own = table.Targets[0];
    if (table.Count < 1) {
        table.Count = 1;
        isNew = true;
    }
    // A receiver without an MMSI sends 0: its entry is new once, not at every report.
    if (own.Mmsi == 0 && (mmsi != 0 || HeardValue(own.LastHeard) == 0)) {
        own.Mmsi = mmsi;
        isNew = true;
    }
    return 0;
}

} // namespace

void InitAisTargets(AisTargetTable& table) {
    std::memset(&table, 0, sizeof table);
    for (AisTarget& target : table.Targets)
        Empty(target);
    table.Count = 1;
    AisTarget& own = table.Targets[0];
    own.Kind = tkClassA;
    own.Longitude = 150.0f;
    own.Latitude = -30.0f;
    own.Speed = 15.0f;
    own.Course = 301.0f;
    own.Heading = 62.0f;
    own.RateOfTurn = 5.0f;
    SetCorners(table.GroupAssignment);
    table.LastIndex = -1;
    table.LastType = -1;
}

int32_t UpdateAisTarget(AisTargetTable& table, const AisMessage& message, int32_t channelCode,
                        bool isVdo, const AisStamp& now) {
    uint8_t type = message.Bytes[0];
    if (type == 0 || type > 24)
        return -1;
    auto mmsi = static_cast<int32_t>(Get<uint32_t>(message, kMmsiOffset));
    bool isNew = false;
    int32_t entry = isVdo ? OwnEntry(table, mmsi, isNew) : EntryOf(table, mmsi, isNew);
    AisTarget& target = table.Targets[entry];
    if (isNew) {
        target.VdmCount = 0;
        target.VdoCount = 0;
        target.FirstHeard = now;
    }
    target.LastHeard = now;
    table.Order.Set(entry, HeardValue(now));
    table.LastIndex = entry;
    table.LastType = type == 24 ? 24 + message.Bytes[At(kStaticDataA, "partno")] : type;
    Apply(table, target, message, channelCode);
    return entry;
}
