// The code tables as text, and the class of a station from the types it sent.
#include "ais/AisCodeTexts.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

TEST(AisCodeTexts, ShipTypes) {
    const struct {
        unsigned code;
        const char* text;
    } cases[] = {
        {0, "Not available"},
        {15, "Reserved for future use"},
        {20, "Wing in ground, all ships of this type"},
        {24, "Wing in ground, hazardous category D"},
        {30, "Fishing"},
        {37, "Pleasure craft"},
        {41, "High speed craft, hazardous category A"},
        {52, "Tug"},
        {60, "Passenger, all ships of this type"},
        {69, "Passenger, no additional information"},
        {71, "Cargo, hazardous category A"},
        {80, "Tanker, all ships of this type"},
        {83, "Tanker, hazardous category C"},
        {86, "Tanker, reserved for future use"},
        {99, "Other type, no additional information"},
        {100, "Unknown (100)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShipTypeText(c.code), c.text) << c.code;
}

TEST(AisCodeTexts, NavigationalStatusAndAidType) {
    EXPECT_EQ(NavigationalStatusText(0), "Under way using engine");
    EXPECT_EQ(NavigationalStatusText(5), "Moored");
    EXPECT_EQ(NavigationalStatusText(8), "Under way sailing");
    EXPECT_EQ(NavigationalStatusText(15), "Not defined");
    EXPECT_EQ(NavigationalStatusText(16), "Unknown (16)");
    EXPECT_EQ(AidTypeText(1), "Reference point");
    EXPECT_EQ(AidTypeText(20), "Cardinal mark N");
    EXPECT_EQ(AidTypeText(31), "Light vessel, LANBY or rig");
    EXPECT_EQ(AidTypeText(32), "Unknown (32)");
}

AisTypesHeard Types(std::initializer_list<unsigned> types) {
    AisTypesHeard heard = 0;
    for (unsigned type : types)
        heard |= AisTypeBit(type);
    return heard;
}

TEST(AisCodeTexts, StationClassFromTypesHeard) {
    const struct {
        AisTypesHeard types;
        const char* text;
    } cases[] = {
        {Types({1}), "Class A"},
        {Types({3, 5}), "Class A"},
        {Types({18}), "Class B"},
        {Types({19}), "Class B"},
        {Types({24}), "Class B"},
        {Types({4}), "Base station"},
        {Types({4, 20}), "Base station"},
        {Types({17}), "Base station"},
        {Types({21}), "Aid to navigation"},
        {Types({9}), "SAR aircraft"},
        {Types({6, 8}), ""},
        {Types({}), ""},
        // A station's own position reports decide over commands it relayed.
        {Types({1, 22}), "Class A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StationClassText(c.types), c.text) << c.types;
}

TEST(AisCodeTexts, MessageTitles) {
    EXPECT_EQ(AisMessageTitle(5, 0), "Type 5: static and voyage data");
    EXPECT_EQ(AisMessageTitle(24, 0), "Type 24 part A: static data report");
    EXPECT_EQ(AisMessageTitle(24, 1), "Type 24 part B: static data report");
}

} // namespace
