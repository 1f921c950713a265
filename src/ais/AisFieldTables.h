// The field tables of AIS message types 1 to 24 (type 24 in its parts A and B), in order
// of transmission, as the air-interface standard lays the messages out. One row per field:
// width in bits, kind, scale, name. Names follow gpsdecode's AIS JSON where it has one.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisMessage.h"

#include <array>

namespace ais_tables {

// clang-format off
// Types 1, 2, 3: position report, Class A.
inline constexpr AisField kClassAPosition[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 4, akByte,           1.0f,    "status"           },
    { 8, akRateOfTurn,     1.0f,    "turn"             },
    {10, akUnsignedScaled, 0.1f,    "speed"            },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    {12, akCourse,         0.1f,    "course"           },
    { 9, akHeading,        1.0f,    "heading"          },
    { 6, akTimeStamp,      1.0f,    "second"           },
    { 4, akByte,           1.0f,    "maneuver_spare"   }, // manoeuvre indicator, 2 spare bits
    { 1, akByte,           1.0f,    "spare"            },
    { 1, akByte,           1.0f,    "raim"             },
    {19, akCommState,      1.0f,    "radio"            },
};

// Types 4 and 11: base station report, UTC and date response.
inline constexpr AisField kBaseStationReport[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    {14, akUInt16,         1.0f,    "year"             },
    { 4, akByte,           1.0f,    "month"            },
    { 5, akByte,           1.0f,    "day"              },
    { 5, akByte,           1.0f,    "hour"             },
    { 6, akByte,           1.0f,    "minute"           },
    { 6, akByte,           1.0f,    "second"           },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    { 4, akByte,           1.0f,    "epfd"             },
    {10, akUInt16,         1.0f,    "tx_control_spare" }, // long-range control, 9 spare bits
    { 1, akByte,           1.0f,    "raim"             },
    {19, akCommState,      1.0f,    "radio"            },
};

// Type 5: static and voyage related data.
inline constexpr AisField kStaticAndVoyage[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "ais_version"      },
    {30, akId,             1.0f,    "imo"              },
    {42, akText,           1.0f,    "callsign"         },
    {120, akText,          1.0f,    "shipname"         },
    { 8, akByte,           1.0f,    "shiptype"         },
    {30, akDimensions,     1.0f,    "dimensions"       },
    { 4, akByte,           1.0f,    "epfd"             },
    {20, akEta,            1.0f,    "eta"              },
    { 8, akUnsignedScaled, 0.1f,    "draught"          },
    {120, akText,          1.0f,    "destination"      },
    { 1, akByte,           1.0f,    "dte"              },
    { 1, akByte,           1.0f,    "spare"            },
};

// Type 6: addressed binary message.
inline constexpr AisField kAddressedBinary[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "seqno"            },
    {30, akId,             1.0f,    "dest_mmsi"        },
    { 1, akByte,           1.0f,    "retransmit"       },
    { 1, akByte,           1.0f,    "spare"            },
    {10, akApplicationId,  1.0f,    "dac"              },
    { 6, akByte,           1.0f,    "fid"              },
    { 6, akTextToEnd,      1.0f,    "data"             },
};

// Types 7 and 13: binary and safety related acknowledgement.
inline constexpr AisField kAcknowledgement[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {30, akId,             1.0f,    "mmsi1"            },
    { 2, akByte,           1.0f,    "seqno1"           },
    {30, akId,             1.0f,    "mmsi2"            },
    { 2, akByte,           1.0f,    "seqno2"           },
    {30, akId,             1.0f,    "mmsi3"            },
    { 2, akByte,           1.0f,    "seqno3"           },
    {30, akId,             1.0f,    "mmsi4"            },
    { 2, akByte,           1.0f,    "seqno4"           },
};

// Type 8: broadcast binary message.
inline constexpr AisField kBroadcastBinary[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {10, akApplicationId,  1.0f,    "dac"              },
    { 6, akByte,           1.0f,    "fid"              },
    { 6, akTextToEnd,      1.0f,    "data"             },
};

// Type 9: standard SAR aircraft position report.
inline constexpr AisField kSarAircraftPosition[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    {12, akUInt16,         1.0f,    "alt"              },
    {10, akUnsignedScaled, 1.0f,    "speed"            },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    {12, akCourse,         0.1f,    "course"           },
    { 6, akTimeStamp,      1.0f,    "second"           },
    { 8, akByte,           1.0f,    "regional"         }, // altitude sensor, 7 spare bits
    { 1, akByte,           1.0f,    "dte"              },
    { 3, akByte,           1.0f,    "spare"            },
    { 1, akByte,           1.0f,    "assigned"         },
    { 1, akByte,           1.0f,    "raim"             },
    { 1, akByte,           1.0f,    "radio_selector"   },
    {19, akCommState,      1.0f,    "radio"            },
};

// Type 10: UTC and date inquiry.
inline constexpr AisField kUtcInquiry[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {30, akId,             1.0f,    "dest_mmsi"        },
    { 2, akByte,           1.0f,    "spare"            },
};

// Type 12: addressed safety related message.
inline constexpr AisField kAddressedSafety[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "seqno"            },
    {30, akId,             1.0f,    "dest_mmsi"        },
    { 1, akByte,           1.0f,    "retransmit"       },
    { 1, akByte,           1.0f,    "spare"            },
    { 6, akTextToEnd,      1.0f,    "text"             },
};

// Type 14: safety related broadcast message.
inline constexpr AisField kSafetyBroadcast[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    { 6, akTextToEnd,      1.0f,    "text"             },
};

// Type 15: interrogation.
inline constexpr AisField kInterrogation[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {30, akId,             1.0f,    "mmsi1"            },
    { 6, akByte,           1.0f,    "type1_1"          },
    {12, akUInt16,         1.0f,    "offset1_1"        },
    { 2, akByte,           1.0f,    "spare"            },
    { 6, akByte,           1.0f,    "type1_2"          },
    {12, akUInt16,         1.0f,    "offset1_2"        },
    { 2, akByte,           1.0f,    "spare"            },
    {30, akId,             1.0f,    "mmsi2"            },
    { 6, akByte,           1.0f,    "type2_1"          },
    {12, akUInt16,         1.0f,    "offset2_1"        },
    { 2, akByte,           1.0f,    "spare"            },
};

// Type 16: assigned mode command.
inline constexpr AisField kAssignedModeCommand[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {30, akId,             1.0f,    "mmsi1"            },
    {12, akUInt16,         1.0f,    "offset1"          },
    {10, akUInt16,         1.0f,    "increment1"       },
    {30, akId,             1.0f,    "mmsi2"            },
    {12, akUInt16,         1.0f,    "offset2"          },
    {10, akUInt16,         1.0f,    "increment2"       },
    { 4, akByte,           1.0f,    "spare"            },
};

// Type 17: GNSS broadcast binary message (the header of its correction data).
inline constexpr AisField kGnssBroadcast[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {18, akLongitude,      0.1f,    "lon"              },
    {17, akLatitude,       0.1f,    "lat"              },
    { 5, akByte,           1.0f,    "spare"            },
    { 6, akByte,           1.0f,    "dgnss_type"       },
    {10, akUInt16,         1.0f,    "station_id"       },
    {13, akUInt16,         1.0f,    "z_count"          },
    { 3, akByte,           1.0f,    "seqno"            },
    { 5, akByte,           1.0f,    "words"            },
    { 3, akByte,           1.0f,    "health"           },
};

// Type 18: standard Class B position report.
inline constexpr AisField kClassBPosition[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 8, akByte,           1.0f,    "reserved"         },
    {10, akUnsignedScaled, 0.1f,    "speed"            },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    {12, akCourse,         0.1f,    "course"           },
    { 9, akHeading,        1.0f,    "heading"          },
    { 6, akTimeStamp,      1.0f,    "second"           },
    { 2, akByte,           1.0f,    "regional"         },
    { 1, akByte,           1.0f,    "cs"               },
    { 1, akByte,           1.0f,    "display"          },
    { 1, akByte,           1.0f,    "dsc"              },
    { 1, akByte,           1.0f,    "band"             },
    { 1, akByte,           1.0f,    "msg22"            },
    { 1, akByte,           1.0f,    "assigned"         },
    { 1, akByte,           1.0f,    "raim"             },
    { 1, akByte,           1.0f,    "radio_selector"   },
    {19, akCommState,      1.0f,    "radio"            },
};

// Type 19: extended Class B position report.
inline constexpr AisField kClassBExtended[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 8, akByte,           1.0f,    "reserved"         },
    {10, akUnsignedScaled, 0.1f,    "speed"            },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    {12, akCourse,         0.1f,    "course"           },
    { 9, akHeading,        1.0f,    "heading"          },
    { 6, akTimeStamp,      1.0f,    "second"           },
    { 4, akByte,           1.0f,    "regional"         },
    {120, akText,          1.0f,    "shipname"         },
    { 8, akByte,           1.0f,    "shiptype"         },
    {30, akDimensions,     1.0f,    "dimensions"       },
    { 4, akByte,           1.0f,    "epfd"             },
    { 1, akByte,           1.0f,    "raim"             },
    { 1, akByte,           1.0f,    "dte"              },
    { 1, akByte,           1.0f,    "assigned"         },
    { 4, akByte,           1.0f,    "spare"            },
};

// Type 20: data link management.
inline constexpr AisField kDataLinkManagement[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {12, akUInt16,         1.0f,    "offset1"          },
    { 4, akByte,           1.0f,    "number1"          },
    { 3, akByte,           1.0f,    "timeout1"         },
    {11, akUInt16,         1.0f,    "increment1"       },
    {12, akUInt16,         1.0f,    "offset2"          },
    { 4, akByte,           1.0f,    "number2"          },
    { 3, akByte,           1.0f,    "timeout2"         },
    {11, akUInt16,         1.0f,    "increment2"       },
    {12, akUInt16,         1.0f,    "offset3"          },
    { 4, akByte,           1.0f,    "number3"          },
    { 3, akByte,           1.0f,    "timeout3"         },
    {11, akUInt16,         1.0f,    "increment3"       },
    {12, akUInt16,         1.0f,    "offset4"          },
    { 4, akByte,           1.0f,    "number4"          },
    { 3, akByte,           1.0f,    "timeout4"         },
    {11, akUInt16,         1.0f,    "increment4"       },
};

// Type 21: aid-to-navigation report.
inline constexpr AisField kAidToNavigation[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 5, akByte,           1.0f,    "aid_type"         },
    {120, akText,          1.0f,    "name"             },
    { 1, akByte,           1.0f,    "accuracy"         },
    {28, akLongitude,      0.0001f, "lon"              },
    {27, akLatitude,       0.0001f, "lat"              },
    {30, akDimensions,     1.0f,    "dimensions"       },
    { 4, akByte,           1.0f,    "epfd"             },
    { 6, akTimeStamp,      1.0f,    "second"           },
    { 1, akByte,           1.0f,    "off_position"     },
    { 8, akByte,           1.0f,    "regional"         },
    { 1, akByte,           1.0f,    "raim"             },
    { 1, akByte,           1.0f,    "virtual_aid"      },
    { 1, akByte,           1.0f,    "assigned"         },
    { 1, akByte,           1.0f,    "spare"            },
    {84, akText,           1.0f,    "name_extension"   },
    { 4, akByte,           1.0f,    "spare"            },
};

// Type 22: channel management. When addressed, the two destination MMSIs stand where the
// corners are; the decoder stores them after the fields as well.
inline constexpr AisField kChannelManagement[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {12, akUInt16,         1.0f,    "channel_a"        },
    {12, akUInt16,         1.0f,    "channel_b"        },
    { 4, akByte,           1.0f,    "txrx"             },
    { 1, akByte,           1.0f,    "power"            },
    {18, akLongitude,      0.1f,    "ne_lon"           },
    {17, akLatitude,       0.1f,    "ne_lat"           },
    {18, akLongitude,      0.1f,    "sw_lon"           },
    {17, akLatitude,       0.1f,    "sw_lat"           },
    { 1, akByte,           1.0f,    "addressed"        },
    { 1, akByte,           1.0f,    "band_a"           },
    { 1, akByte,           1.0f,    "band_b"           },
    { 3, akByte,           1.0f,    "zonesize"         },
    {23, akId,             1.0f,    "spare"            },
};

// Type 23: group assignment command.
inline constexpr AisField kGroupAssignment[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "spare"            },
    {18, akLongitude,      0.1f,    "ne_lon"           },
    {17, akLatitude,       0.1f,    "ne_lat"           },
    {18, akLongitude,      0.1f,    "sw_lon"           },
    {17, akLatitude,       0.1f,    "sw_lat"           },
    { 4, akByte,           1.0f,    "station_type"     },
    { 8, akByte,           1.0f,    "ship_type"        },
    {22, akId,             1.0f,    "spare"            },
    { 2, akByte,           1.0f,    "txrx"             },
    { 4, akByte,           1.0f,    "interval"         },
    { 4, akByte,           1.0f,    "quiet"            },
    { 6, akByte,           1.0f,    "spare"            },
};

// Type 24 part A: static data report, the name.
inline constexpr AisField kStaticDataA[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "partno"           },
    {120, akText,          1.0f,    "shipname"         },
};

// Type 24 part B: static data report, ship type, vendor, call sign and dimensions.
inline constexpr AisField kStaticDataB[] = {
    { 6, akByte,           1.0f,    "type"             },
    { 2, akByte,           1.0f,    "repeat"           },
    {30, akId,             1.0f,    "mmsi"             },
    { 2, akByte,           1.0f,    "partno"           },
    { 8, akByte,           1.0f,    "shiptype"         },
    {42, akText,           1.0f,    "vendorid"         },
    {42, akText,           1.0f,    "callsign"         },
    {30, akDimensions,     1.0f,    "dimensions"       },
    { 6, akByte,           1.0f,    "spare"            },
};
// clang-format on

// Indexed by message type minus one; the 25th slot is type 24 part B.
inline constexpr std::array<AisFieldTable, 25> kByType = {
    kClassAPosition,      kClassAPosition,    kClassAPosition,    kBaseStationReport,
    kStaticAndVoyage,     kAddressedBinary,   kAcknowledgement,   kBroadcastBinary,
    kSarAircraftPosition, kUtcInquiry,        kBaseStationReport, kAddressedSafety,
    kAcknowledgement,     kSafetyBroadcast,   kInterrogation,     kAssignedModeCommand,
    kGnssBroadcast,       kClassBPosition,    kClassBExtended,    kDataLinkManagement,
    kAidToNavigation,     kChannelManagement, kGroupAssignment,   kStaticDataA,
    kStaticDataB,
};

} // namespace ais_tables

// The table of message `type`; for type 24 the part number 1 picks part B, any other part
// A. Null for types 0 and 25 to 63.
constexpr const AisFieldTable* AisTableFor(unsigned type, unsigned partNumber) {
    if (type == 0 || type > 24)
        return nullptr;
    if (type == 24 && partNumber == 1)
        return &ais_tables::kByType[24];
    return &ais_tables::kByType[type - 1];
}

// Where the field `name` is stored in AisMessage, or kAisMessageSize when `table` has none.
constexpr size_t AisOffsetOf(AisFieldTable table, std::string_view name) {
    size_t offset = 0;
    for (const AisField& field : table) {
        if (field.Name == name)
            return offset;
        offset += AisStoredSize(field);
    }
    return kAisMessageSize;
}

// The bit where the field `name` starts in the message.
constexpr unsigned AisBitOf(AisFieldTable table, std::string_view name) {
    unsigned position = 0;
    for (const AisField& field : table) {
        if (field.Name == name)
            break;
        position += static_cast<unsigned>(field.Width);
    }
    return position;
}

// Bytes of AisMessage the fields of `table` take, with the text running to the end of the
// longest message the bit buffer holds.
constexpr size_t AisLongestStored(AisFieldTable table) {
    size_t bytes = 0;
    unsigned position = 0;
    for (const AisField& field : table) {
        bytes +=
            field.Kind == akTextToEnd ? (kAisBitCapacity - position) / 6 + 1 : AisStoredSize(field);
        position += static_cast<unsigned>(field.Width);
    }
    return bytes;
}
