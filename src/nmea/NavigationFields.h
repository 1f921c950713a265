// The per-sentence fields of the navigation sentences, one record per formatter, in
// sentence order. Widths are those the parsers store; FieldLayouts name the markers.
#pragma once

#include "nmea/SentenceTypes.h"

// Room for a text field that is stored whole: no field of an expanded line is longer.
inline constexpr size_t kWholeFieldSize = kSentenceBufferSize - 2;

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
struct GgaFields {
    UtcTime Utc;
    GeoPoint Position;
    int8_t Quality;
    int8_t SatellitesUsed;
    float Hdop;
    float Altitude;
    char AltitudeUnit;
    float GeoidalSeparation;
    char SeparationUnit;
    float DifferentialAge;
    int16_t DifferentialStation;
};

// $GPGLL,4916.45,N,12311.12,W,225444,A,A*5C
struct GllFields {
    GeoPoint Position;
    UtcTime Utc;
    char Status;
    char ModeIndicator;
};

// $GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39
struct GsaFields {
    char SelectionMode;
    int8_t FixMode;
    int8_t Prn[12];
    float Pdop;
    float Hdop;
    float Vdop;
};

// $GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75
struct GsvFields {
    int8_t SentenceCount;
    int8_t SentenceNumber;
    int8_t SatellitesInView;
    int8_t BlockCount;
    int8_t Prn[4];
    int8_t Elevation[4];
    int16_t Azimuth[4];
    int8_t Snr[4];
};

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A,S*78
struct RmcFields {
    UtcTime Utc;
    char Status;
    GeoPoint Position;
    float SpeedKnots;
    float CourseTrue;
    UtcDate Date;
    float MagneticVariation;
    char VariationDirection;
    char ModeIndicator;
    char NavigationalStatus;
};

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A*25
struct VtgFields {
    float CourseTrue;
    char TrueUnit;
    float CourseMagnetic;
    char MagneticUnit;
    float SpeedKnots;
    char KnotsUnit;
    float SpeedKmh;
    char KmhUnit;
    char ModeIndicator;
};

// $GPZDA,201530.00,04,07,2002,00,00*60 (day, month, year are kept as a UtcDate)
struct ZdaFields {
    UtcTime Utc;
    UtcDate Date;
    int8_t ZoneHours;
    int8_t ZoneMinutes;
};

// $GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972*4D
struct GbsFields {
    UtcTime Utc;
    float ErrorLatitude;
    float ErrorLongitude;
    float ErrorAltitude;
    uint8_t FailedSatellite;
    float MissProbability;
    float Bias;
    float BiasDeviation;
};

// $GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,0.9,25.63,11.24,,*70
struct GnsFields {
    UtcTime Utc;
    GeoPoint Position;
    char ModeIndicator[3];
    char SatellitesUsed[3];
    float Hdop;
    float Altitude;
    float GeoidalSeparation;
    float DifferentialAge;
    float DifferentialStation;
};

// $VMVBW,12.3,0.07,A,11.78,0.12,A*63
struct VbwFields {
    float WaterSpeedLongitudinal;
    float WaterSpeedTransverse;
    char WaterSpeedStatus;
    float GroundSpeedLongitudinal;
    float GroundSpeedTransverse;
    char GroundSpeedStatus;
};

// $HEROT,-3.5,A*00
struct RotFields {
    float RateOfTurn;
    char Status;
};

// $HEHDT,274.07,T*19
struct HdtFields {
    float Heading;
    char TrueUnit;
};

// $GPGRS,024603.00,1,-1.8,-2.7,0.3,,,,,,,,,*6C
struct GrsFields {
    UtcTime Utc;
    char Mode;
    float Residual[12];
};

// $GPGST,024603.00,3.2,6.6,4.7,47.3,5.8,5.6,22.0*58
struct GstFields {
    UtcTime Utc;
    float RangeRms;
    float SemiMajorDeviation;
    float SemiMinorDeviation;
    float SemiMajorOrientation;
    float LatitudeDeviation;
    float LongitudeDeviation;
    float AltitudeDeviation;
};

// $GPDTM,W84,,0.0,N,0.0,E,0.0,W84*6F
struct DtmFields {
    char LocalDatum[4];
    char LocalDatumSubdivision;
    GeoPoint Offset;
    float AltitudeOffset;
    char ReferenceDatum[4];
};

// $INOSD,85.0,A,86.0,P,12.5,P,0.2,0.3,N*66
struct OsdFields {
    float Heading;
    char HeadingStatus;
    float Course;
    char CourseReference;
    float Speed;
    char SpeedReference;
    float Set;
    float Drift;
    char SpeedUnits;
};

// $LCRMA,A,4916.45,N,12311.12,W,,,,,,*1D (the fields after the position are not kept)
struct RmaFields {
    char Status;
    GeoPoint Position;
};

// $GPWPL,4917.16,N,12310.64,W,003*65
struct WplFields {
    GeoPoint Position;
    char Identifier[kWholeFieldSize];
};
