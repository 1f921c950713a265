// NavigationState: the program's picture of the receiver's GNSS, merged from every
// accepted sentence of group sgGnss. All talkers merge into this one record; values are
// copied as decoded, markers included, so a reader looks at the validity flags first.
#pragma once

#include "nmea/DecodedSentence.h"

struct NavigationState {
    int8_t ConstellationCode; // talker of the last merged sentence: GP 1, GL 2, GN 3, LC 4, IN 6
    UtcTime Utc;
    GeoPoint Position;
    int8_t FixQuality;
    char SelectionMode;
    int8_t FixMode;
    float GeoidalSeparation;
    UtcDate Date;
    char ModeIndicator;
    char Status;
    float CourseTrue;
    float CourseMagnetic;
    float SpeedKnots;
    float SpeedKmh;
    int8_t SatellitesUsed;
    bool FixReported; // set by every GGA; the GPS status page clears it
    int8_t UsedPrns[12];
    float Pdop;
    float Hdop;
    float Vdop;
    int8_t SatellitesInView;
    int8_t GsvSentenceCount;
    int8_t GsvSentenceNumber;
    int8_t GsvBlockCount; // only the first GsvBlockCount entries below are the last GSV's
    int8_t GsvPrn[4];
    int8_t GsvElevation[4];
    int16_t GsvAzimuth[4];
    int8_t GsvSnr[4];
    float FaultErrorLat;
    float FaultErrorLon;
    float FaultErrorAlt;
    uint8_t FaultSatellite;
    float FaultMissProbability;
    float FaultBias;
    float FaultBiasDeviation;
    bool TimeValid;      // only ever set
    bool PositionValid;  // follows the last GGA, GLL or RMC
    bool CourseValid;    // follows the last RMC
    bool FaultDataValid; // only ever set
};

// Merges of the eight GNSS formatters, each after the talker has been recorded.
void MergeGga(const DecodedSentence& sentence, NavigationState& state);
void MergeGll(const DecodedSentence& sentence, NavigationState& state);
void MergeGbs(const DecodedSentence& sentence, NavigationState& state);
void MergeGsa(const DecodedSentence& sentence, NavigationState& state);
void MergeGsv(const DecodedSentence& sentence, NavigationState& state);
void MergeRmc(const DecodedSentence& sentence, NavigationState& state);
void MergeVtg(const DecodedSentence& sentence, NavigationState& state);
void MergeZda(const DecodedSentence& sentence, NavigationState& state);

// ConstellationCode of a talker.
int8_t ConstellationCodeOf(const char* talker);
