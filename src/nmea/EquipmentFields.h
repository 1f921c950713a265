// The per-sentence fields of the AIS encapsulation and AIS equipment sentences.
#pragma once

#include "nmea/NavigationFields.h"

// Longest encapsulated payload kept, without its NUL.
inline constexpr size_t kPayloadCapacity = 63;

// VDM, VDO, ABM and BBM share this record; the fragment joiner reads it.
// !AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24
struct EncapsulationFields {
    int8_t FragmentCount;
    int8_t FragmentNumber;
    int8_t SequentialId;
    int8_t FillBits;
    char Payload[kPayloadCapacity + 1];
    char Channel;            // the channel letter; the channel number for BBM
    int32_t DestinationMmsi; // ABM only
    int8_t MessageId;        // ABM and BBM
};

// $AIABK,211378120,A,8,0,0*28
struct AbkFields {
    int32_t Mmsi;
    int8_t Channel;
    int8_t MessageId;
    int8_t MessageSequence;
    int8_t AcknowledgementType;
};

// $AIACA,1,5800.000,N,01100.000,E,5700.000,N,01000.000,E,2,2087,0,2088,0,0,0,C,1,*17
struct AcaFields {
    char Sequence;
    GeoPoint NorthEast;
    GeoPoint SouthWest;
    char TransitionZone;
    int16_t ChannelA;
    char BandwidthA;
    int16_t ChannelB;
    char BandwidthB;
    char TxRxMode;
    char PowerLevel;
    char InformationSource;
    char InUse;
    UtcTime InUseChanged;
};

// $AIACK,003*5E
struct AckFields {
    int16_t AlarmId;
};

// $AIACS,1,211378120,123519.00,23,03,1994*71
struct AcsFields {
    char Sequence;
    int32_t OriginatorMmsi;
    UtcTime Utc;
    int8_t Day;
    int8_t Month;
    int16_t Year;
};

// $GPAIQ,Smg,5*22
struct AiqFields {
    int8_t Number;
};

// $AIALR,123519.00,001,A,V,AIS: Tx malfunction*hh
struct AlrFields {
    UtcTime Changed;
    int16_t AlarmNumber;
    char Condition;
    char AcknowledgeState;
    char Description[kWholeFieldSize];
};

// $AISSD,CALLSIG,SHIPNAME,100,20,10,10,0,AI*1D
struct SsdFields {
    char CallSign[8];
    char Name[21];
    int16_t ReferenceA;
    int16_t ReferenceB;
    int8_t ReferenceC;
    int8_t ReferenceD;
    int8_t DteIndicator;
    char Source[kWholeFieldSize];
};

// $AITXT,01,01,91,FREQ,2087,2088*57
struct TxtFields {
    int8_t SentenceCount;
    int8_t SentenceNumber;
    int8_t TextId;
    char Text[62];
};

// $AIVSD,70,5.2,12,HAMBURG,123000.00,23,3,0,0*12
struct VsdFields {
    int16_t ShipType;
    float Draught;
    int16_t PersonsOnBoard;
    char Destination[21];
    UtcTime ArrivalTime;
    int8_t ArrivalDay;
    int8_t ArrivalMonth;
    int8_t NavigationalStatus;
    int8_t RegionalFlags;
};

// $GPECQ,RMC*30: talker GP asks listener EC for its RMC.
struct QueryFields {
    char QueriedFormatter[kWholeFieldSize];
};
