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
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  4, akByte,           1.0,    "status"           },
    {  8, akRateOfTurn,     1.0,    "turn"             },
    { 10, akUnsignedScaled, 0.1,    "speed"            },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    { 12, akCourse,         0.1,    "course"           },
    {  9, akHeading,        1.0,    "heading"          },
    {  6, akTimeStamp,      1.0,    "second"           },
    {  4, akByte,           1.0,    "maneuver_spare"   }, // manoeuvre indicator, 2 spare bits
    {  1, akByte,           1.0,    "spare"            },
    {  1, akByte,           1.0,    "raim"             },
    { 19, akCommState,      1.0,    "radio"            },
};

// Types 4 and 11: base station report, UTC and date response.
inline constexpr AisField kBaseStationReport[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    { 14, akUInt16,         1.0,    "year"             },
    {  4, akByte,           1.0,    "month"            },
    {  5, akByte,           1.0,    "day"              },
    {  5, akByte,           1.0,    "hour"             },
    {  6, akByte,           1.0,    "minute"           },
    {  6, akByte,           1.0,    "second"           },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    {  4, akByte,           1.0,    "epfd"             },
    { 10, akUInt16,         1.0,    "tx_control_spare" }, // long-range control, 9 spare bits
    {  1, akByte,           1.0,    "raim"             },
    { 19, akCommState,      1.0,    "radio"            },
};

// Type 5: static and voyage related data.
inline constexpr AisField kStaticAndVoyage[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "ais_version"      },
    { 30, akId,             1.0,    "imo"              },
    { 42, akText,           1.0,    "callsign"         },
    {120, akText,           1.0,    "shipname"         },
    {  8, akByte,           1.0,    "shiptype"         },
    { 30, akDimensions,     1.0,    "dimensions"       },
    {  4, akByte,           1.0,    "epfd"             },
    { 20, akEta,            1.0,    "eta"              },
    {  8, akUnsignedScaled, 0.1,    "draught"          },
    {120, akText,           1.0,    "destination"      },
    {  1, akByte,           1.0,    "dte"              },
    {  1, akByte,           1.0,    "spare"            },
};

// Type 6: addressed binary message.
inline constexpr AisField kAddressedBinary[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "seqno"            },
    { 30, akId,             1.0,    "dest_mmsi"        },
    {  1, akByte,           1.0,    "retransmit"       },
    {  1, akByte,           1.0,    "spare"            },
    { 10, akApplicationId,  1.0,    "dac"              },
    {  6, akByte,           1.0,    "fid"              },
    {  6, akTextToEnd,      1.0,    "data"             },
};

// Types 7 and 13: binary and safety related acknowledgement.
inline constexpr AisField kAcknowledgement[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 30, akId,             1.0,    "mmsi1"            },
    {  2, akByte,           1.0,    "seqno1"           },
    { 30, akId,             1.0,    "mmsi2"            },
    {  2, akByte,           1.0,    "seqno2"           },
    { 30, akId,             1.0,    "mmsi3"            },
    {  2, akByte,           1.0,    "seqno3"           },
    { 30, akId,             1.0,    "mmsi4"            },
    {  2, akByte,           1.0,    "seqno4"           },
};

// Type 8: broadcast binary message.
inline constexpr AisField kBroadcastBinary[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 10, akApplicationId,  1.0,    "dac"              },
    {  6, akByte,           1.0,    "fid"              },
    {  6, akTextToEnd,      1.0,    "data"             },
};

// Type 9: standard SAR aircraft position report.
inline constexpr AisField kSarAircraftPosition[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    { 12, akUInt16,         1.0,    "alt"              },
    { 10, akUnsignedScaled, 1.0,    "speed"            },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    { 12, akCourse,         0.1,    "course"           },
    {  6, akTimeStamp,      1.0,    "second"           },
    {  8, akByte,           1.0,    "regional"         }, // altitude sensor, 7 spare bits
    {  1, akByte,           1.0,    "dte"              },
    {  3, akByte,           1.0,    "spare"            },
    {  1, akByte,           1.0,    "assigned"         },
    {  1, akByte,           1.0,    "raim"             },
    {  1, akByte,           1.0,    "radio_selector"   },
    { 19, akCommState,      1.0,    "radio"            },
};

// Type 10: UTC and date inquiry.
inline constexpr AisField kUtcInquiry[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 30, akId,             1.0,    "dest_mmsi"        },
    {  2, akByte,           1.0,    "spare"            },
};

// Type 12: addressed safety related message.
inline constexpr AisField kAddressedSafety[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "seqno"            },
    { 30, akId,             1.0,    "dest_mmsi"        },
    {  1, akByte,           1.0,    "retransmit"       },
    {  1, akByte,           1.0,    "spare"            },
    {  6, akTextToEnd,      1.0,    "text"             },
};

// Type 14: safety related broadcast message.
inline constexpr AisField kSafetyBroadcast[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    {  6, akTextToEnd,      1.0,    "text"             },
};

// Type 15: interrogation.
inline constexpr AisField kInterrogation[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 30, akId,             1.0,    "mmsi1"            },
    {  6, akByte,           1.0,    "type1_1"          },
    { 12, akUInt16,         1.0,    "offset1_1"        },
    {  2, akByte,           1.0,    "spare"            },
    {  6, akByte,           1.0,    "type1_2"          },
    { 12, akUInt16,         1.0,    "offset1_2"        },
    {  2, akByte,           1.0,    "spare"            },
    { 30, akId,             1.0,    "mmsi2"            },
    {  6, akByte,           1.0,    "type2_1"          },
    { 12, akUInt16,         1.0,    "offset2_1"        },
    {  2, akByte,           1.0,    "spare"            },
};

// Type 16: assigned mode command.
inline constexpr AisField kAssignedModeCommand[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 30, akId,             1.0,    "mmsi1"            },
    { 12, akUInt16,         1.0,    "offset1"          },
    { 10, akUInt16,         1.0,    "increment1"       },
    { 30, akId,             1.0,    "mmsi2"            },
    { 12, akUInt16,         1.0,    "offset2"          },
    { 10, akUInt16,         1.0,    "increment2"       },
    {  4, akByte,           1.0,    "spare"            },
};

// Type 17: GNSS broadcast binary message (the header of its correction data).
inline constexpr AisField kGnssBroadcast[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 18, akLongitude,      0.1,    "lon"              },
    { 17, akLatitude,       0.1,    "lat"              },
    {  5, akByte,           1.0,    "spare"            },
    {  6, akByte,           1.0,    "dgnss_type"       },
    { 10, akUInt16,         1.0,    "station_id"       },
    { 13, akUInt16,         1.0,    "z_count"          },
    {  3, akByte,           1.0,    "seqno"            },
    {  5, akByte,           1.0,    "words"            },
    {  3, akByte,           1.0,    "health"           },
};

// Type 18: standard Class B position report.
inline constexpr AisField kClassBPosition[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  8, akByte,           1.0,    "reserved"         },
    { 10, akUnsignedScaled, 0.1,    "speed"            },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    { 12, akCourse,         0.1,    "course"           },
    {  9, akHeading,        1.0,    "heading"          },
    {  6, akTimeStamp,      1.0,    "second"           },
    {  2, akByte,           1.0,    "regional"         },
    {  1, akByte,           1.0,    "cs"               },
    {  1, akByte,           1.0,    "display"          },
    {  1, akByte,           1.0,    "dsc"              },
    {  1, akByte,           1.0,    "band"             },
    {  1, akByte,           1.0,    "msg22"            },
    {  1, akByte,           1.0,    "assigned"         },
    {  1, akByte,           1.0,    "raim"             },
    {  1, akByte,           1.0,    "radio_selector"   },
    { 19, akCommState,      1.0,    "radio"            },
};

// Type 19: extended Class B position report.
inline constexpr AisField kClassBExtended[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  8, akByte,           1.0,    "reserved"         },
    { 10, akUnsignedScaled, 0.1,    "speed"            },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    { 12, akCourse,         0.1,    "course"           },
    {  9, akHeading,        1.0,    "heading"          },
    {  6, akTimeStamp,      1.0,    "second"           },
    {  4, akByte,           1.0,    "regional"         },
    {120, akText,           1.0,    "shipname"         },
    {  8, akByte,           1.0,    "shiptype"         },
    { 30, akDimensions,     1.0,    "dimensions"       },
    {  4, akByte,           1.0,    "epfd"             },
    {  1, akByte,           1.0,    "raim"             },
    {  1, akByte,           1.0,    "dte"              },
    {  1, akByte,           1.0,    "assigned"         },
    {  4, akByte,           1.0,    "spare"            },
};

// Type 20: data link management.
inline constexpr AisField kDataLinkManagement[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 12, akUInt16,         1.0,    "offset1"          },
    {  4, akByte,           1.0,    "number1"          },
    {  3, akByte,           1.0,    "timeout1"         },
    { 11, akUInt16,         1.0,    "increment1"       },
    { 12, akUInt16,         1.0,    "offset2"          },
    {  4, akByte,           1.0,    "number2"          },
    {  3, akByte,           1.0,    "timeout2"         },
    { 11, akUInt16,         1.0,    "increment2"       },
    { 12, akUInt16,         1.0,    "offset3"          },
    {  4, akByte,           1.0,    "number3"          },
    {  3, akByte,           1.0,    "timeout3"         },
    { 11, akUInt16,         1.0,    "increment3"       },
    { 12, akUInt16,         1.0,    "offset4"          },
    {  4, akByte,           1.0,    "number4"          },
    {  3, akByte,           1.0,    "timeout4"         },
    { 11, akUInt16,         1.0,    "increment4"       },
};

// Type 21: aid-to-navigation report.
inline constexpr AisField kAidToNavigation[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  5, akByte,           1.0,    "aid_type"         },
    {120, akText,           1.0,    "name"             },
    {  1, akByte,           1.0,    "accuracy"         },
    { 28, akLongitude,      0.0001, "lon"              },
    { 27, akLatitude,       0.0001, "lat"              },
    { 30, akDimensions,     1.0,    "dimensions"       },
    {  4, akByte,           1.0,    "epfd"             },
    {  6, akTimeStamp,      1.0,    "second"           },
    {  1, akByte,           1.0,    "off_position"     },
    {  8, akByte,           1.0,    "regional"         },
    {  1, akByte,           1.0,    "raim"             },
    {  1, akByte,           1.0,    "virtual_aid"      },
    {  1, akByte,           1.0,    "assigned"         },
    {  1, akByte,           1.0,    "spare"            },
    {  6, akTextToEnd,      1.0,    "name_extension"   }, // 0 to 14 characters, then spare bits
};

// Type 22: channel management. When addressed, the two destination MMSIs stand where the
// corners are; the decoder stores them after the fields as well.
inline constexpr AisField kChannelManagement[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 12, akUInt16,         1.0,    "channel_a"        },
    { 12, akUInt16,         1.0,    "channel_b"        },
    {  4, akByte,           1.0,    "txrx"             },
    {  1, akByte,           1.0,    "power"            },
    { 18, akLongitude,      0.1,    "ne_lon"           },
    { 17, akLatitude,       0.1,    "ne_lat"           },
    { 18, akLongitude,      0.1,    "sw_lon"           },
    { 17, akLatitude,       0.1,    "sw_lat"           },
    {  1, akByte,           1.0,    "addressed"        },
    {  1, akByte,           1.0,    "band_a"           },
    {  1, akByte,           1.0,    "band_b"           },
    {  3, akByte,           1.0,    "zonesize"         },
    { 23, akId,             1.0,    "spare"            },
};

// Type 23: group assignment command.
inline constexpr AisField kGroupAssignment[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "spare"            },
    { 18, akLongitude,      0.1,    "ne_lon"           },
    { 17, akLatitude,       0.1,    "ne_lat"           },
    { 18, akLongitude,      0.1,    "sw_lon"           },
    { 17, akLatitude,       0.1,    "sw_lat"           },
    {  4, akByte,           1.0,    "station_type"     },
    {  8, akByte,           1.0,    "ship_type"        },
    { 22, akId,             1.0,    "spare"            },
    {  2, akByte,           1.0,    "txrx"             },
    {  4, akByte,           1.0,    "interval"         },
    {  4, akByte,           1.0,    "quiet"            },
    {  6, akByte,           1.0,    "spare"            },
};

// Type 24 part A: static data report, the name.
inline constexpr AisField kStaticDataA[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "partno"           },
    {120, akText,           1.0,    "shipname"         },
};

// Type 24 part B: static data report, ship type, vendor, call sign and dimensions.
inline constexpr AisField kStaticDataB[] = {
    {  6, akByte,           1.0,    "type"             },
    {  2, akByte,           1.0,    "repeat"           },
    { 30, akId,             1.0,    "mmsi"             },
    {  2, akByte,           1.0,    "partno"           },
    {  8, akByte,           1.0,    "shiptype"         },
    { 42, akText,           1.0,    "vendorid"         },
    { 42, akText,           1.0,    "callsign"         },
    { 30, akDimensions,     1.0,    "dimensions"       },
    {  6, akByte,           1.0,    "spare"            },
};
// clang-format on

// What `make` gives for each table in the order of kByType, as an array: code compiled
// from the tables (a template over a table) is listed this way, in one place.
template <typename Make> constexpr auto ForEachTable(Make make) {
    return std::array{
        make.template operator()<kClassAPosition>(),
        make.template operator()<kClassAPosition>(),
        make.template operator()<kClassAPosition>(),
        make.template operator()<kBaseStationReport>(),
        make.template operator()<kStaticAndVoyage>(),
        make.template operator()<kAddressedBinary>(),
        make.template operator()<kAcknowledgement>(),
        make.template operator()<kBroadcastBinary>(),
        make.template operator()<kSarAircraftPosition>(),
        make.template operator()<kUtcInquiry>(),
        make.template operator()<kBaseStationReport>(),
        make.template operator()<kAddressedSafety>(),
        make.template operator()<kAcknowledgement>(),
        make.template operator()<kSafetyBroadcast>(),
        make.template operator()<kInterrogation>(),
        make.template operator()<kAssignedModeCommand>(),
        make.template operator()<kGnssBroadcast>(),
        make.template operator()<kClassBPosition>(),
        make.template operator()<kClassBExtended>(),
        make.template operator()<kDataLinkManagement>(),
        make.template operator()<kAidToNavigation>(),
        make.template operator()<kChannelManagement>(),
        make.template operator()<kGroupAssignment>(),
        make.template operator()<kStaticDataA>(),
        make.template operator()<kStaticDataB>(),
    };
}

// Indexed by message type minus one; the 25th slot is type 24 part B.
inline constexpr std::array<AisFieldTable, 25> kByType =
    ForEachTable([]<const auto & Table>() { return AisFieldTable(Table); });

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

// Bytes of AisMessage the fields of `table` take; a text to the end of the message counted
// as its NUL alone.
constexpr size_t AisStoredBytes(AisFieldTable table) {
    size_t bytes = 0;
    for (const AisField& field : table)
        bytes += AisStoredSize(field);
    return bytes;
}
