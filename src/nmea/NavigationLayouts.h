// Field rows of the navigation sentences, in sentence order: kind, name, place in the
// formatter's record, null marker for an empty field, rule. Included by the formatter
// table only.
#pragma once

#include "nmea/FieldLayout.h"
#include "nmea/NavigationFields.h"

#include <cstddef>

namespace navigation_rows {

// clang-format off
inline constexpr std::array kGga = {
    Field(fkTime,   "utc",                   offsetof(GgaFields, Utc)),
    Field(fkLatLon, "",                      offsetof(GgaFields, Position)),
    Field(fkInt8,   "quality",               offsetof(GgaFields, Quality))              .Empty(kEmptyInt8),
    Field(fkInt8,   "satellites_used",       offsetof(GgaFields, SatellitesUsed))       .Empty(kEmptyInt8).Replace(0, 12, 0),
    Field(fkReal,   "hdop",                  offsetof(GgaFields, Hdop))                 .Empty(kEmptyReal).Replace(0, 99.9, 99.9),
    Field(fkReal,   "altitude",              offsetof(GgaFields, Altitude))             .Empty(kEmptyReal),
    Field(fkChar,   "altitude_unit",         offsetof(GgaFields, AltitudeUnit)),
    Field(fkReal,   "geoidal_separation",    offsetof(GgaFields, GeoidalSeparation))    .Empty(kEmptyReal),
    Field(fkChar,   "separation_unit",       offsetof(GgaFields, SeparationUnit)),
    Field(fkReal,   "differential_age",      offsetof(GgaFields, DifferentialAge))      .Empty(kEmptyReal),
    Field(fkInt16,  "differential_station",  offsetof(GgaFields, DifferentialStation))  .Empty(kEmptyInt16).Replace(0, 1023, 1023),
};

inline constexpr std::array kGll = {
    Field(fkLatLon, "",                      offsetof(GllFields, Position)),
    Field(fkTime,   "utc",                   offsetof(GllFields, Utc)),
    Field(fkChar,   "status",                offsetof(GllFields, Status)),
    Field(fkChar,   "mode",                  offsetof(GllFields, ModeIndicator)),
};

inline constexpr std::array kGsa = {
    Field(fkChar,   "selection_mode",        offsetof(GsaFields, SelectionMode)),
    Field(fkInt8,   "fix_mode",              offsetof(GsaFields, FixMode)),
    Field(fkInt8,   "prns",                  offsetof(GsaFields, Prn))                  .Empty(kEmptyInt8).Elements(12),
    Field(fkReal,   "pdop",                  offsetof(GsaFields, Pdop))                 .Empty(kEmptyReal),
    Field(fkReal,   "hdop",                  offsetof(GsaFields, Hdop))                 .Empty(kEmptyReal),
    Field(fkReal,   "vdop",                  offsetof(GsaFields, Vdop))                 .Empty(kEmptyReal),
};

// GSV: three fields, then one to four satellite blocks; the block count comes from the
// number of data fields (7, 11, 15 or 19).
inline constexpr std::array kGsvHead = {
    Field(fkInt8,   "sentence_count",        offsetof(GsvFields, SentenceCount))        .Reject(0, 9),
    Field(fkInt8,   "sentence_number",       offsetof(GsvFields, SentenceNumber))       .Reject(0, 9),
    Field(fkInt8,   "satellites_in_view",    offsetof(GsvFields, SatellitesInView)),
};
constexpr size_t kPrn = offsetof(GsvFields, Prn);
constexpr size_t kElevation = offsetof(GsvFields, Elevation);
constexpr size_t kAzimuth = offsetof(GsvFields, Azimuth);
constexpr size_t kSnr = offsetof(GsvFields, Snr);
inline constexpr std::array kGsvBlocks = {
    Field(fkInt8,   "prn_1",                 kPrn + 0)                                  .Empty(kEmptyInt8),
    Field(fkInt8,   "elevation_1",           kElevation + 0)                            .Empty(kEmptyInt8).Reject(0, 90),
    Field(fkInt16,  "azimuth_1",             kAzimuth + 0)                              .Empty(kEmptyInt16).Reject(0, 359),
    Field(fkInt8,   "snr_1",                 kSnr + 0)                                  .Empty(kEmptyInt8).Reject(0, 99),
    Field(fkInt8,   "prn_2",                 kPrn + 1)                                  .Empty(kEmptyInt8),
    Field(fkInt8,   "elevation_2",           kElevation + 1)                            .Empty(kEmptyInt8).Reject(0, 90),
    Field(fkInt16,  "azimuth_2",             kAzimuth + 2)                              .Empty(kEmptyInt16).Reject(0, 359),
    Field(fkInt8,   "snr_2",                 kSnr + 1)                                  .Empty(kEmptyInt8).Reject(0, 99),
    Field(fkInt8,   "prn_3",                 kPrn + 2)                                  .Empty(kEmptyInt8),
    Field(fkInt8,   "elevation_3",           kElevation + 2)                            .Empty(kEmptyInt8).Reject(0, 90),
    Field(fkInt16,  "azimuth_3",             kAzimuth + 4)                              .Empty(kEmptyInt16).Reject(0, 359),
    Field(fkInt8,   "snr_3",                 kSnr + 2)                                  .Empty(kEmptyInt8).Reject(0, 99),
    Field(fkInt8,   "prn_4",                 kPrn + 3)                                  .Empty(kEmptyInt8),
    Field(fkInt8,   "elevation_4",           kElevation + 3)                            .Empty(kEmptyInt8).Reject(0, 90),
    Field(fkInt16,  "azimuth_4",             kAzimuth + 6)                              .Empty(kEmptyInt16).Reject(0, 359),
    Field(fkInt8,   "snr_4",                 kSnr + 3)                                  .Empty(kEmptyInt8).Reject(0, 99),
};
constexpr std::array<FieldRow, 1> GsvBlockCount(int blocks) {
    return {SetField(fkSetInt8, "blocks", offsetof(GsvFields, BlockCount), blocks)};
}
inline constexpr auto kGsv1 = Concat(kGsvHead, GsvBlockCount(1), First<4>(kGsvBlocks));
inline constexpr auto kGsv2 = Concat(kGsvHead, GsvBlockCount(2), First<8>(kGsvBlocks));
inline constexpr auto kGsv3 = Concat(kGsvHead, GsvBlockCount(3), First<12>(kGsvBlocks));
inline constexpr auto kGsv4 = Concat(kGsvHead, GsvBlockCount(4), kGsvBlocks);

// RMC: 11 data fields, then the mode indicator (12) and the navigational status (13);
// the 11-field form stores mode A.
inline constexpr std::array kRmcCommon = {
    Field(fkTime,   "utc",                   offsetof(RmcFields, Utc)),
    Field(fkChar,   "status",                offsetof(RmcFields, Status)),
    Field(fkLatLon, "",                      offsetof(RmcFields, Position)),
    Field(fkReal,   "speed_knots",           offsetof(RmcFields, SpeedKnots))           .Empty(kEmptyReal),
    Field(fkReal,   "course_true",           offsetof(RmcFields, CourseTrue))           .Empty(kEmptyReal),
    Field(fkDate,   "date",                  offsetof(RmcFields, Date)),
    Field(fkReal,   "magnetic_variation",    offsetof(RmcFields, MagneticVariation))    .Empty(kEmptyReal),
    Field(fkChar,   "variation_direction",   offsetof(RmcFields, VariationDirection))   .Empty(kEmptyChar),
};
inline constexpr std::array kRmcMode = {
    Field(fkChar,   "mode",                  offsetof(RmcFields, ModeIndicator)),
};
inline constexpr std::array kRmcNavigationalStatus = {
    Field(fkChar,   "navigational_status",   offsetof(RmcFields, NavigationalStatus)),
};
inline constexpr std::array kRmcModeAssumed = {
    SetField(fkSetChar, "mode",              offsetof(RmcFields, ModeIndicator), 'A'),
};
inline constexpr auto kRmc13 = Concat(kRmcCommon, kRmcMode, kRmcNavigationalStatus);
inline constexpr auto kRmc12 = Concat(kRmcCommon, kRmcMode);
inline constexpr auto kRmc11 = Concat(kRmcCommon, kRmcModeAssumed);

// An empty unit field reads as one space and so passes the one-character rule.
inline constexpr std::array kVtg = {
    Field(fkReal,   "course_true",           offsetof(VtgFields, CourseTrue))           .Empty(kEmptyReal),
    Field(fkChar,   "course_true_unit",      offsetof(VtgFields, TrueUnit))             .Rule(frSingleChar),
    Field(fkReal,   "course_magnetic",       offsetof(VtgFields, CourseMagnetic))       .Empty(kEmptyReal),
    Field(fkChar,   "course_magnetic_unit",  offsetof(VtgFields, MagneticUnit))         .Rule(frSingleChar),
    Field(fkReal,   "speed_knots",           offsetof(VtgFields, SpeedKnots))           .Empty(kEmptyReal),
    Field(fkChar,   "speed_knots_unit",      offsetof(VtgFields, KnotsUnit))            .Rule(frSingleChar),
    Field(fkReal,   "speed_kmh",             offsetof(VtgFields, SpeedKmh))             .Empty(kEmptyReal),
    Field(fkChar,   "speed_kmh_unit",        offsetof(VtgFields, KmhUnit))              .Rule(frSingleChar),
    Field(fkChar,   "mode",                  offsetof(VtgFields, ModeIndicator)),
};

// Day, month and year are kept in the order of a UtcDate, as the merge reads them.
constexpr size_t kZdaDate = offsetof(ZdaFields, Date);
inline constexpr std::array kZda = {
    Field(fkTime,   "utc",                   offsetof(ZdaFields, Utc)),
    Field(fkInt8,   "day",                   kZdaDate + offsetof(UtcDate, Day))         .Empty(kEmptyInt8).Reject(1, 31),
    Field(fkInt8,   "month",                 kZdaDate + offsetof(UtcDate, Month))       .Empty(kEmptyInt8).Reject(1, 12),
    Field(fkInt16,  "year",                  kZdaDate + offsetof(UtcDate, Year))        .Empty(kEmptyInt16),
    Field(fkInt8,   "zone_hours",            offsetof(ZdaFields, ZoneHours))            .Empty(kEmptyInt8).Reject(-13, 13),
    Field(fkInt8,   "zone_minutes",          offsetof(ZdaFields, ZoneMinutes))          .Empty(kEmptyInt8).Reject(0, 59),
};

inline constexpr std::array kGbs = {
    Field(fkTime,   "utc",                   offsetof(GbsFields, Utc)),
    Field(fkReal,   "error_latitude",        offsetof(GbsFields, ErrorLatitude))        .Empty(kEmptyReal),
    Field(fkReal,   "error_longitude",       offsetof(GbsFields, ErrorLongitude))       .Empty(kEmptyReal),
    Field(fkReal,   "error_altitude",        offsetof(GbsFields, ErrorAltitude))        .Empty(kEmptyReal),
    Field(fkUInt8,  "failed_satellite",      offsetof(GbsFields, FailedSatellite))      .Empty(255),
    Field(fkReal,   "miss_probability",      offsetof(GbsFields, MissProbability))      .Empty(kEmptyReal),
    Field(fkReal,   "bias",                  offsetof(GbsFields, Bias))                 .Empty(kEmptyReal),
    Field(fkReal,   "bias_deviation",        offsetof(GbsFields, BiasDeviation))        .Empty(kEmptyReal),
};

inline constexpr std::array kGns = {
    Field(fkTime,   "utc",                   offsetof(GnsFields, Utc)),
    Field(fkLatLon, "",                      offsetof(GnsFields, Position)),
    TextField(      "mode",                  offsetof(GnsFields, ModeIndicator), 2),
    TextField(      "satellites_used",       offsetof(GnsFields, SatellitesUsed), 2),
    Field(fkReal,   "hdop",                  offsetof(GnsFields, Hdop))                 .Empty(kEmptyReal).Reject(0, 99.9),
    Field(fkReal,   "altitude",              offsetof(GnsFields, Altitude))             .Empty(kEmptyReal),
    Field(fkReal,   "geoidal_separation",    offsetof(GnsFields, GeoidalSeparation))    .Empty(kEmptyReal),
    Field(fkReal,   "differential_age",      offsetof(GnsFields, DifferentialAge))      .Empty(kEmptyReal),
    Field(fkReal,   "differential_station",  offsetof(GnsFields, DifferentialStation))  .Empty(kEmptyReal),
};

inline constexpr std::array kVbw = {
    Field(fkReal,   "water_speed_longitudinal",  offsetof(VbwFields, WaterSpeedLongitudinal)),
    Field(fkReal,   "water_speed_transverse",    offsetof(VbwFields, WaterSpeedTransverse)),
    Field(fkChar,   "water_speed_status",        offsetof(VbwFields, WaterSpeedStatus)),
    Field(fkReal,   "ground_speed_longitudinal", offsetof(VbwFields, GroundSpeedLongitudinal)),
    Field(fkReal,   "ground_speed_transverse",   offsetof(VbwFields, GroundSpeedTransverse)),
    Field(fkChar,   "ground_speed_status",       offsetof(VbwFields, GroundSpeedStatus)),
};

inline constexpr std::array kRot = {
    Field(fkReal,   "rate_of_turn",          offsetof(RotFields, RateOfTurn))           .Empty(kEmptyReal),
    Field(fkChar,   "status",                offsetof(RotFields, Status)),
};

inline constexpr std::array kHdt = {
    Field(fkReal,   "heading",               offsetof(HdtFields, Heading))              .Empty(511.0),
    Field(fkChar,   "true_unit",             offsetof(HdtFields, TrueUnit)),
};

inline constexpr std::array kGrs = {
    Field(fkTime,   "utc",                   offsetof(GrsFields, Utc)),
    Field(fkChar,   "mode",                  offsetof(GrsFields, Mode)),
    Field(fkReal,   "residuals",             offsetof(GrsFields, Residual))             .Empty(kEmptyReal).Elements(12),
};

inline constexpr std::array kGst = {
    Field(fkTime,   "utc",                   offsetof(GstFields, Utc)),
    Field(fkReal,   "range_rms",             offsetof(GstFields, RangeRms))             .Empty(kEmptyReal),
    Field(fkReal,   "semi_major_deviation",  offsetof(GstFields, SemiMajorDeviation))   .Empty(kEmptyReal),
    Field(fkReal,   "semi_minor_deviation",  offsetof(GstFields, SemiMinorDeviation))   .Empty(kEmptyReal),
    Field(fkReal,   "semi_major_orientation",offsetof(GstFields, SemiMajorOrientation)) .Empty(kEmptyReal),
    Field(fkReal,   "latitude_deviation",    offsetof(GstFields, LatitudeDeviation))    .Empty(kEmptyReal),
    Field(fkReal,   "longitude_deviation",   offsetof(GstFields, LongitudeDeviation))   .Empty(kEmptyReal),
    Field(fkReal,   "altitude_deviation",    offsetof(GstFields, AltitudeDeviation))    .Empty(kEmptyReal),
};

inline constexpr std::array kDtm = {
    TextField(      "local_datum",           offsetof(DtmFields, LocalDatum), 3),
    Field(fkChar,   "local_datum_subdivision", offsetof(DtmFields, LocalDatumSubdivision)),
    Field(fkLatLon, "offset_",               offsetof(DtmFields, Offset)),
    Field(fkReal,   "altitude_offset",       offsetof(DtmFields, AltitudeOffset)),
    TextField(      "reference_datum",       offsetof(DtmFields, ReferenceDatum), 3),
};

inline constexpr std::array kOsd = {
    Field(fkReal,   "heading",               offsetof(OsdFields, Heading)),
    Field(fkChar,   "heading_status",        offsetof(OsdFields, HeadingStatus)),
    Field(fkReal,   "course",                offsetof(OsdFields, Course)),
    Field(fkChar,   "course_reference",      offsetof(OsdFields, CourseReference)),
    Field(fkReal,   "speed",                 offsetof(OsdFields, Speed)),
    Field(fkChar,   "speed_reference",       offsetof(OsdFields, SpeedReference)),
    Field(fkReal,   "set",                   offsetof(OsdFields, Set)),
    Field(fkReal,   "drift",                 offsetof(OsdFields, Drift)),
    Field(fkChar,   "speed_units",           offsetof(OsdFields, SpeedUnits)),
};

// RMA in its standard form of 11 data fields; only the first five are kept.
inline constexpr std::array kRma = {
    Field(fkChar,   "status",                offsetof(RmaFields, Status)),
    Field(fkLatLon, "",                      offsetof(RmaFields, Position)),
    Field(fkSkip,   "",                      0)                                         .Elements(6),
};

inline constexpr std::array kWpl = {
    Field(fkLatLon, "",                      offsetof(WplFields, Position)),
    TextField(      "identifier",            offsetof(WplFields, Identifier), kWholeFieldSize - 1),
};
// clang-format on

static_assert(RowsFitRecord(kGga, sizeof(GgaFields)) && RowsFitRecord(kGll, sizeof(GllFields)) &&
              RowsFitRecord(kGsa, sizeof(GsaFields)) && RowsFitRecord(kGsv4, sizeof(GsvFields)) &&
              RowsFitRecord(kRmc13, sizeof(RmcFields)) &&
              RowsFitRecord(kRmc11, sizeof(RmcFields)) && RowsFitRecord(kVtg, sizeof(VtgFields)) &&
              RowsFitRecord(kZda, sizeof(ZdaFields)) && RowsFitRecord(kGbs, sizeof(GbsFields)) &&
              RowsFitRecord(kGns, sizeof(GnsFields)) && RowsFitRecord(kVbw, sizeof(VbwFields)) &&
              RowsFitRecord(kRot, sizeof(RotFields)) && RowsFitRecord(kHdt, sizeof(HdtFields)) &&
              RowsFitRecord(kGrs, sizeof(GrsFields)) && RowsFitRecord(kGst, sizeof(GstFields)) &&
              RowsFitRecord(kDtm, sizeof(DtmFields)) && RowsFitRecord(kOsd, sizeof(OsdFields)) &&
              RowsFitRecord(kRma, sizeof(RmaFields)) && RowsFitRecord(kWpl, sizeof(WplFields)));

} // namespace navigation_rows
