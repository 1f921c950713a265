// The per-sentence fields of the receiver's proprietary sentences. The receiver defines
// their meaning; the program keeps them by form only, so the names describe the form.
#pragma once

#include "nmea/NavigationFields.h"

// $PKRV,R,MID,1234,5678*05
struct MidFields {
    int32_t Number[2];
};

// $PBDY,1,FIRST,SECOND,0,1*59
struct BdyFields {
    int32_t Number;
    char Text1[21];
    char Text2[21];
    int8_t Small1;
    int8_t Small2;
};

// $PTST,,,,,17*29 is the request for the device report.
struct TstFields {
    int32_t Number1;
    int8_t Number2;
    char Char1;
    char Char2;
    int16_t Number3;
};

// $PFRQ,161975000,1,162025000,1*1A
struct FrqFields {
    int32_t Number1;
    int8_t Small1;
    int32_t Number2;
    int8_t Small2;
};

// $PBTH,1,2,3,4,5,6,TEXT*38
struct BthFields {
    int16_t Number[6];
    char Text[kWholeFieldSize];
};

// $PDBG,163,1,,,,,,*14 (a setting sent by the configurator)
struct DbgPair {
    int16_t Key;
    int32_t Value;
};
struct DbgFields {
    DbgPair Pair[4];
};

// $PTPS,1,TEXT*2B
struct TpsFields {
    int16_t Number;
    char Text[kWholeFieldSize];
};

// $PKRV,R,Smg,TEXT,1*38
struct SmgFields {
    char Text[80];
    int8_t Number;
};

// $PMOB,0A1B2C,5,7F,01,00112233*0A: hexadecimal fields, read two digits to a byte.
struct MobFields {
    uint8_t Triple[3];
    uint8_t Number;
    uint8_t Byte;
    uint8_t FlaggedByte;
    uint8_t FlaggedPresent;
    uint8_t Bytes[9];
    uint8_t ByteCount;
};
