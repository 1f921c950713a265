// The table of stations heard, keyed by MMSI: each with its latest position, motion and
// static data and when it was first and last heard. Entry 0 is the receiver's own station,
// fed by VDO messages. The last message of a few command and text types is kept whole.
#pragma once

#include "ais/AisMessage.h"
#include "ais/HeardOrder.h"
#include "ais/MmsiIndex.h"

#include <cstdint>

inline constexpr int32_t kAisTargetCapacity = kHeardOrderCapacity;

enum AisTargetKind : uint8_t {
    tkBaseStation = 0,     // types 4, 16, 17, 20, 22, 23
    tkSarAircraft = 1,     // type 9
    tkAidToNavigation = 2, // type 21
    tkClassA = 3,          // types 1, 2, 3, 5
    tkClassB = 4,          // types 18, 19, 24
    tkEmpty = 5,
};

// The PC's local date and time.
struct AisDate {
    uint16_t Year;
    uint8_t Month;
    uint8_t Day;
};
struct AisTime {
    uint8_t Hour;
    uint8_t Minute;
    uint8_t Second;
    uint8_t Spare;
};
struct AisStamp {
    AisDate Date;
    AisTime Time;
};

// One station. The message types that write a field are named beside it.
struct AisTarget {
    AisTargetKind Kind;
    int32_t Mmsi;
    // Low 4 bits positioning device (4, 5, 19, 21); high 4 navigational status (1-3).
    uint8_t Status;
    // Bit 0 position accuracy, bit 1 RAIM (1-3, 4, 9, 18, 19, 21); bit 2 DTE (5, 9, 19).
    uint8_t Flags;
    float Longitude;     // degrees, 181 not available (1-3, 4, 9, 18, 19, 21)
    float Latitude;      // degrees, 91 not available
    float Speed;         // knots (1-3, 9, 18, 19)
    float Course;        // degrees (1-3, 9, 18, 19)
    float Heading;       // degrees, 511 not available (1-3, 18, 19)
    char Name[21];       // (5, 19, 21, 24 part A)
    char CallSign[8];    // (5, 24 part B)
    uint8_t ShipType;    // (5, 19, 24 part B)
    uint8_t ToStarboard; // dimension D, 6 bits (5, 19, 21, 24 part B)
    uint8_t ToPort;      // dimension C, 6 bits
    uint16_t ToStern;    // dimension B, 9 bits
    uint16_t ToBow;      // dimension A, 9 bits
    int32_t Imo;         // (5)
    float RateOfTurn;    // (1-3)
    uint8_t EtaMinute;   // (5)
    uint8_t EtaHour;
    uint8_t EtaDay;
    uint8_t EtaMonth;
    uint8_t AisVersion;   // (5)
    float Draught;        // metres (5)
    char Destination[21]; // (5)
    char VendorId[8];     // (24 part B)
    uint8_t ClassBFlags;  // bit 0 assigned, 1 unit, 2 display, 3 DSC, 4 band, 5 message 22 (18)
    uint8_t AidFlags;     // bit 0 off position, bits 1-5 type of aid, 6 virtual, 7 assigned (21)
    union {
        float Altitude;         // metres (9)
        char NameExtension[15]; // (21)
    } Extra;
    float Reserved[2]; // 0 at start, -1 once the entry has been reused
    AisStamp LastHeard;
    AisStamp FirstHeard;
    int32_t VdmCount; // messages through any formatter but VDO
    int32_t VdoCount;
};

// The last message of one type, its leading bytes, and whether one was written.
template <size_t Size> struct AisLastMessage {
    uint8_t Message[Size];
    uint8_t NewMessage;
};
// The slot-related commands also keep the channel they came on.
template <size_t Size> struct AisLastSlotMessage : AisLastMessage<Size> {
    int32_t ChannelCode;
    int32_t Reserved;
};

struct AisTargetTable {
    AisTarget Targets[kAisTargetCapacity];
    int32_t Count;                         // entries in use, at least 1 once initialised
    MmsiIndex Index;                       // the entries 1 to Count - 1 by MMSI
    HeardOrder Order;                      // the entries 1 to Count - 1 in the order of reuse
    AisLastMessage<170> Addressed;         // type 12, text cut to end inside the record
    AisLastMessage<128> SafetyBroadcast;   // type 14, as type 12
    AisLastSlotMessage<27> Interrogation;  // type 15
    AisLastSlotMessage<31> LinkManagement; // type 20
    AisLastMessage<45> ChannelManagement;  // type 22, the addressed MMSIs included
    AisLastMessage<33> GroupAssignment;    // type 23
    int32_t LastIndex;                     // entry last updated, -1 at start
    int32_t LastType; // type of the last message, 24 plus the part number for type 24
};

// Every entry empty but the own station's; the count 1.
void InitAisTargets(AisTargetTable& table);

// Finds or assigns the entry of the message's MMSI (entry 0 for a VDO), stamps it with
// `now` and applies the message to it. `channelCode` is the channel character minus 48.
// The index of the entry, or -1 for a message type of 0 or above 24.
int32_t UpdateAisTarget(AisTargetTable& table, const AisMessage& message, int32_t channelCode,
                        bool isVdo, const AisStamp& now);
