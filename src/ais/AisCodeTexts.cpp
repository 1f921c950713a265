#include "ais/AisCodeTexts.h"

#include <array>

namespace {

// The last digit of the ship types whose tens are a category with hazard classes.
std::string CategoryDetail(unsigned digit) {
    static constexpr const char* kDetails[] = {
        "all ships of this type",   "hazardous category A",    "hazardous category B",
        "hazardous category C",     "hazardous category D",    "reserved for future use",
        "reserved for future use",  "reserved for future use", "reserved for future use",
        "no additional information"};
    return kDetails[digit];
}

} // namespace

std::string ShipTypeText(unsigned code) {
    static constexpr const char* kThirties[] = {"Fishing",
                                                "Towing",
                                                "Towing, longer than 200 m or broader than 25 m",
                                                "Dredging or underwater operations",
                                                "Diving operations",
                                                "Military operations",
                                                "Sailing",
                                                "Pleasure craft",
                                                "Reserved for future use",
                                                "Reserved for future use"};
    static constexpr const char* kFifties[] = {"Pilot vessel",
                                               "Search and rescue vessel",
                                               "Tug",
                                               "Port tender",
                                               "Anti-pollution equipment",
                                               "Law enforcement",
                                               "Local vessel",
                                               "Local vessel",
                                               "Medical transport",
                                               "Noncombatant ship"};
    if (code == 0)
        return "Not available";
    if (code > 99)
        return "Unknown (" + std::to_string(code) + ")";
    unsigned tens = code / 10, digit = code % 10;
    switch (tens) {
    case 0:
    case 1:
        return "Reserved for future use";
    case 2:
        return "Wing in ground, " + CategoryDetail(digit);
    case 3:
        return kThirties[digit];
    case 4:
        return "High speed craft, " + CategoryDetail(digit);
    case 5:
        return kFifties[digit];
    case 6:
        return "Passenger, " + CategoryDetail(digit);
    case 7:
        return "Cargo, " + CategoryDetail(digit);
    case 8:
        return "Tanker, " + CategoryDetail(digit);
    default:
        return "Other type, " + CategoryDetail(digit);
    }
}

std::string NavigationalStatusText(unsigned code) {
    static constexpr const char* kTexts[] = {
        "Under way using engine",
        "At anchor",
        "Not under command",
        "Restricted manoeuvrability",
        "Constrained by her draught",
        "Moored",
        "Aground",
        "Engaged in fishing",
        "Under way sailing",
        "Reserved for high speed craft",
        "Reserved for wing in ground",
        "Power-driven vessel towing astern",
        "Power-driven vessel pushing ahead or towing alongside",
        "Reserved for future use",
        "AIS-SART, MOB-AIS or EPIRB-AIS active",
        "Not defined"};
    return code < std::size(kTexts) ? kTexts[code] : "Unknown (" + std::to_string(code) + ")";
}

std::string AidTypeText(unsigned code) {
    static constexpr const char* kTexts[] = {"Default, type not given",
                                             "Reference point",
                                             "RACON",
                                             "Fixed structure off shore",
                                             "Reserved for future use",
                                             "Light, without sectors",
                                             "Light, with sectors",
                                             "Leading light front",
                                             "Leading light rear",
                                             "Beacon, cardinal N",
                                             "Beacon, cardinal E",
                                             "Beacon, cardinal S",
                                             "Beacon, cardinal W",
                                             "Beacon, port hand",
                                             "Beacon, starboard hand",
                                             "Beacon, preferred channel port hand",
                                             "Beacon, preferred channel starboard hand",
                                             "Beacon, isolated danger",
                                             "Beacon, safe water",
                                             "Beacon, special mark",
                                             "Cardinal mark N",
                                             "Cardinal mark E",
                                             "Cardinal mark S",
                                             "Cardinal mark W",
                                             "Port hand mark",
                                             "Starboard hand mark",
                                             "Preferred channel port hand",
                                             "Preferred channel starboard hand",
                                             "Isolated danger",
                                             "Safe water",
                                             "Special mark",
                                             "Light vessel, LANBY or rig"};
    return code < std::size(kTexts) ? kTexts[code] : "Unknown (" + std::to_string(code) + ")";
}

// The types that only one class of station sends decide first; a base station's commands
// (16, 17, 20, 22, 23) count only when nothing else tells.
std::string StationClassText(AisTypesHeard types) {
    auto any = [types](std::initializer_list<unsigned> list) {
        for (unsigned type : list)
            if (types & AisTypeBit(type))
                return true;
        return false;
    };
    if (any({21}))
        return "Aid to navigation";
    if (any({9}))
        return "SAR aircraft";
    if (any({4}))
        return "Base station";
    if (any({1, 2, 3, 5}))
        return "Class A";
    if (any({18, 19, 24}))
        return "Class B";
    if (any({16, 17, 20, 22, 23}))
        return "Base station";
    return "";
}

std::string AisMessageTitle(unsigned type, unsigned partNumber) {
    static constexpr const char* kTitles[] = {"",
                                              "position report, Class A",
                                              "position report, Class A (assigned)",
                                              "position report, Class A (interrogated)",
                                              "base station report",
                                              "static and voyage data",
                                              "addressed binary message",
                                              "binary acknowledge",
                                              "broadcast binary message",
                                              "SAR aircraft position report",
                                              "UTC and date inquiry",
                                              "UTC and date response",
                                              "addressed safety message",
                                              "safety acknowledge",
                                              "safety broadcast message",
                                              "interrogation",
                                              "assigned mode command",
                                              "GNSS broadcast",
                                              "position report, Class B",
                                              "extended position report, Class B",
                                              "data link management",
                                              "aid to navigation report",
                                              "channel management",
                                              "group assignment command",
                                              "static data report"};
    if (type == 0 || type >= std::size(kTitles))
        return "Type " + std::to_string(type);
    std::string title = "Type " + std::to_string(type);
    if (type == 24)
        title += partNumber == 1 ? " part B" : " part A";
    return title + ": " + kTitles[type];
}
