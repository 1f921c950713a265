// Field rows of the AIS encapsulation and equipment sentences, in sentence order: kind,
// name, place in the formatter's record, null marker for an empty field, rule. Included
// by the formatter table only.
#pragma once

#include "nmea/EquipmentFields.h"
#include "nmea/FieldLayout.h"

#include <cstddef>

namespace equipment_rows {

using E = EncapsulationFields;

// clang-format off
inline constexpr std::array kFragment = {
    Field(fkInt8,   "fragment_count",        offsetof(E, FragmentCount))                .Reject(0, 9),
    Field(fkInt8,   "fragment_number",       offsetof(E, FragmentNumber))               .Reject(0, 9),
    Field(fkInt8,   "sequential_id",         offsetof(E, SequentialId))                 .Empty(kEmptyInt8).Reject(0, 9),
};
inline constexpr std::array kPayload = {
    TextField(      "payload",               offsetof(E, Payload), kPayloadCapacity)    .Rule(frPayloadLength),
    Field(fkInt8,   "fill_bits",             offsetof(E, FillBits))                     .Empty(kEmptyInt8).RejectEmpty(0, 5),
};
inline constexpr std::array kChannelLetter = {
    Field(fkChar,   "channel",               offsetof(E, Channel))                      .Empty(kEmptyChar),
};
inline constexpr std::array kAbmAddress = {
    Field(fkInt32,  "destination_mmsi",      offsetof(E, DestinationMmsi)),
};
inline constexpr std::array kMessageId = {
    Field(fkInt8,   "message_id",            offsetof(E, MessageId)),
};
inline constexpr std::array kChannelNumber = {
    Field(fkInt8,   "channel",               offsetof(E, Channel)),
};
inline constexpr auto kVdm = Concat(kFragment, kChannelLetter, kPayload);
inline constexpr auto kAbm = Concat(kFragment, kAbmAddress, kChannelLetter, kMessageId, kPayload);
inline constexpr auto kBbm = Concat(kFragment, kChannelNumber, kMessageId, kPayload);

// A channel letter converts as an integer, so it reads 0.
inline constexpr std::array kAbk = {
    Field(fkInt32,  "mmsi",                  offsetof(AbkFields, Mmsi)),
    Field(fkInt8,   "channel",               offsetof(AbkFields, Channel)),
    Field(fkInt8,   "message_id",            offsetof(AbkFields, MessageId)),
    Field(fkInt8,   "message_sequence",      offsetof(AbkFields, MessageSequence)),
    Field(fkInt8,   "acknowledgement_type",  offsetof(AbkFields, AcknowledgementType)),
};

inline constexpr std::array kAca = {
    Field(fkChar,   "sequence",              offsetof(AcaFields, Sequence)),
    Field(fkLatLon, "north_east_",           offsetof(AcaFields, NorthEast)),
    Field(fkLatLon, "south_west_",           offsetof(AcaFields, SouthWest)),
    Field(fkChar,   "transition_zone",       offsetof(AcaFields, TransitionZone)),
    Field(fkInt16,  "channel_a",             offsetof(AcaFields, ChannelA)),
    Field(fkChar,   "bandwidth_a",           offsetof(AcaFields, BandwidthA)),
    Field(fkInt16,  "channel_b",             offsetof(AcaFields, ChannelB)),
    Field(fkChar,   "bandwidth_b",           offsetof(AcaFields, BandwidthB)),
    Field(fkChar,   "tx_rx_mode",            offsetof(AcaFields, TxRxMode)),
    Field(fkChar,   "power_level",           offsetof(AcaFields, PowerLevel)),
    Field(fkChar,   "information_source",    offsetof(AcaFields, InformationSource)),
    Field(fkChar,   "in_use",                offsetof(AcaFields, InUse)),
    Field(fkTime,   "in_use_changed",        offsetof(AcaFields, InUseChanged)),
};

inline constexpr std::array kAck = {
    Field(fkInt16,  "alarm_id",              offsetof(AckFields, AlarmId))              .Empty(1000),
};

inline constexpr std::array kAcs = {
    Field(fkChar,   "sequence",              offsetof(AcsFields, Sequence)),
    Field(fkInt32,  "originator_mmsi",       offsetof(AcsFields, OriginatorMmsi)),
    Field(fkTime,   "utc",                   offsetof(AcsFields, Utc)),
    Field(fkInt8,   "day",                   offsetof(AcsFields, Day)),
    Field(fkInt8,   "month",                 offsetof(AcsFields, Month)),
    Field(fkInt16,  "year",                  offsetof(AcsFields, Year)),
};

inline constexpr std::array kAiq = {
    LiteralField("Smg"),
    Field(fkInt8,   "number",                offsetof(AiqFields, Number)),
};

inline constexpr std::array kAlr = {
    Field(fkTime,   "changed",               offsetof(AlrFields, Changed)),
    Field(fkInt16,  "alarm_number",          offsetof(AlrFields, AlarmNumber)),
    Field(fkChar,   "condition",             offsetof(AlrFields, Condition)),
    Field(fkChar,   "acknowledge_state",     offsetof(AlrFields, AcknowledgeState)),
    TextField(      "description",           offsetof(AlrFields, Description), kWholeFieldSize - 1),
};

inline constexpr std::array kSsd = {
    TextField(      "call_sign",             offsetof(SsdFields, CallSign), 7)          .EmptyText(),
    TextField(      "name",                  offsetof(SsdFields, Name), 20)             .EmptyText(),
    Field(fkInt16,  "reference_a",           offsetof(SsdFields, ReferenceA))           .Empty(512),
    Field(fkInt16,  "reference_b",           offsetof(SsdFields, ReferenceB))           .Empty(512),
    Field(fkInt8,   "reference_c",           offsetof(SsdFields, ReferenceC))           .Empty(64),
    Field(fkInt8,   "reference_d",           offsetof(SsdFields, ReferenceD))           .Empty(64),
    Field(fkInt8,   "dte_indicator",         offsetof(SsdFields, DteIndicator))         .Empty(2),
    TextField(      "source",                offsetof(SsdFields, Source), kWholeFieldSize - 1),
};

inline constexpr std::array kTxt = {
    Field(fkInt8,   "sentence_count",        offsetof(TxtFields, SentenceCount))        .Empty(kEmptyInt8).Reject(1, 99),
    Field(fkInt8,   "sentence_number",       offsetof(TxtFields, SentenceNumber))       .Empty(kEmptyInt8).Reject(1, 99),
    Field(fkInt8,   "text_id",               offsetof(TxtFields, TextId))               .Empty(kEmptyInt8).Reject(1, 99),
    TextField(      "text",                  offsetof(TxtFields, Text), 61),
};

inline constexpr std::array kVsd = {
    Field(fkInt16,  "ship_type",             offsetof(VsdFields, ShipType))             .Empty(256).Rule(frLowByte),
    Field(fkReal,   "draught",               offsetof(VsdFields, Draught))              .Empty(kEmptyReal),
    Field(fkInt16,  "persons_on_board",      offsetof(VsdFields, PersonsOnBoard))       .Empty(8192),
    TextField(      "destination",           offsetof(VsdFields, Destination), 20)      .EmptyText(),
    Field(fkTime,   "arrival_time",          offsetof(VsdFields, ArrivalTime)),
    Field(fkInt8,   "arrival_day",           offsetof(VsdFields, ArrivalDay))           .Empty(32),
    Field(fkInt8,   "arrival_month",         offsetof(VsdFields, ArrivalMonth))         .Empty(13),
    Field(fkInt8,   "navigational_status",   offsetof(VsdFields, NavigationalStatus))   .Empty(kEmptyInt8),
    Field(fkInt8,   "regional_flags",        offsetof(VsdFields, RegionalFlags)),
};

inline constexpr std::array kQuery = {
    TextField(      "queried_formatter",     offsetof(QueryFields, QueriedFormatter), kWholeFieldSize - 1),
};
// clang-format on

static_assert(RowsFitRecord(kVdm, sizeof(E)) && RowsFitRecord(kAbm, sizeof(E)) &&
              RowsFitRecord(kBbm, sizeof(E)) && RowsFitRecord(kAbk, sizeof(AbkFields)) &&
              RowsFitRecord(kAca, sizeof(AcaFields)) && RowsFitRecord(kAck, sizeof(AckFields)) &&
              RowsFitRecord(kAcs, sizeof(AcsFields)) && RowsFitRecord(kAiq, sizeof(AiqFields)) &&
              RowsFitRecord(kAlr, sizeof(AlrFields)) && RowsFitRecord(kSsd, sizeof(SsdFields)) &&
              RowsFitRecord(kTxt, sizeof(TxtFields)) && RowsFitRecord(kVsd, sizeof(VsdFields)) &&
              RowsFitRecord(kQuery, sizeof(QueryFields)));

} // namespace equipment_rows
