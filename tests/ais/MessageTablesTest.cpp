// Decoding by the field tables: every field of a position report, the kinds with a rule of
// their own, messages cut short, texts to the end, the addressed channel management, the
// two parts of type 24, and the types without a table.
#include "AisTestSupport.h"

#include "ais/AisMessageDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using namespace ais_tables;

template <typename T> T Field(const AisMessage& message, AisFieldTable table, const char* name) {
    size_t offset = AisOffsetOf(table, name);
    EXPECT_LT(offset, kAisMessageSize) << name;
    return LoadAisValue<T>(message, offset);
}

std::string Text(const AisMessage& message, AisFieldTable table, const char* name) {
    return reinterpret_cast<const char*>(message.Bytes + AisOffsetOf(table, name));
}

struct ClassA {
    int type = 1;
    int64_t mmsi = 244660000;
    int status = 5;
    int turn = -10;
    int speed = 123;
    int accuracy = 1;
    int64_t longitude = -73500000; // -122.5 degrees in 1/10000 minute
    int64_t latitude = 22680000;   // 37.8 degrees
    int course = 2345;
    int heading = 215;
    int second = 42;
};

AisBitWriter Write(const ClassA& m) {
    AisBitWriter w;
    w.Put(m.type, 6).Put(1, 2).Put(m.mmsi, 30).Put(m.status, 4).Put(m.turn, 8).Put(m.speed, 10);
    w.Put(m.accuracy, 1).Put(m.longitude, 28).Put(m.latitude, 27).Put(m.course, 12);
    w.Put(m.heading, 9).Put(m.second, 6).Put(0b1001, 4).Put(1, 1).Put(1, 1).Put(0x5A5A5, 19);
    return w;
}

TEST(DecodeAisMessage, AClassAReportOf168BitsFillsAllSixteenFields) {
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(Write(ClassA{}), m));
    AisFieldTable t = kClassAPosition;
    EXPECT_EQ(m.Bytes[0], 1);
    EXPECT_EQ(Field<uint8_t>(m, t, "repeat"), 1);
    EXPECT_EQ(Field<uint32_t>(m, t, "mmsi"), 244660000u);
    EXPECT_EQ(Field<uint8_t>(m, t, "status"), 5);
    EXPECT_NEAR(Field<float>(m, t, "turn"), -4.464, 0.001);
    EXPECT_FLOAT_EQ(Field<float>(m, t, "speed"), 12.3f);
    EXPECT_EQ(Field<uint8_t>(m, t, "accuracy"), 1);
    EXPECT_FLOAT_EQ(Field<float>(m, t, "lon"), -122.5f);
    EXPECT_FLOAT_EQ(Field<float>(m, t, "lat"), 37.8f);
    EXPECT_FLOAT_EQ(Field<float>(m, t, "course"), 234.5f);
    EXPECT_EQ(Field<uint16_t>(m, t, "heading"), 215);
    EXPECT_EQ(Field<uint8_t>(m, t, "second"), 42);
    EXPECT_EQ(Field<uint8_t>(m, t, "maneuver_spare"), 0b1001);
    EXPECT_EQ(Field<uint8_t>(m, t, "spare"), 1);
    EXPECT_EQ(Field<uint8_t>(m, t, "raim"), 1);
    EXPECT_EQ(Field<uint32_t>(m, t, "radio"), 0x5A5A5u);
    // The fields are packed from byte 1 on; nothing after the last one is written.
    EXPECT_EQ(AisOffsetOf(t, "radio"), 34u);
    for (size_t i = 38; i < kAisMessageSize; ++i)
        ASSERT_EQ(m.Bytes[i], 0) << i;
}

TEST(DecodeAisMessage, HeadingsAbove359ReadAsNotAvailable) {
    const std::pair<int, int> cases[] = {{0, 0}, {359, 359}, {360, 511}, {400, 511}, {511, 511}};
    for (const auto& [sent, stored] : cases) {
        ClassA report;
        report.heading = sent;
        AisMessage m;
        ASSERT_TRUE(DecodeWritten(Write(report), m));
        EXPECT_EQ(Field<uint16_t>(m, kClassAPosition, "heading"), stored) << sent;
    }
}

TEST(DecodeAisMessage, RateOfTurnIsTheSignedSquareOfTheValueOver4733) {
    const std::pair<int, double> cases[] = {
        {-10, -4.464}, {0, 0.0}, {1, 0.0446}, {127, 720.0}, {-127, -720.0}, {-128, -731.38},
    };
    for (const auto& [sent, degrees] : cases) {
        ClassA report;
        report.turn = sent;
        AisMessage m;
        ASSERT_TRUE(DecodeWritten(Write(report), m));
        EXPECT_NEAR(Field<float>(m, kClassAPosition, "turn"), degrees, 0.01) << sent;
    }
}

TEST(DecodeAisMessage, PositionsAreSignedDegreesAtEitherScale) {
    ClassA west;
    west.longitude = -108600000; // 181 degrees: not available
    west.latitude = -54600000;   // -91 degrees
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(Write(west), m));
    EXPECT_FLOAT_EQ(Field<float>(m, kClassAPosition, "lon"), -181.0f);
    EXPECT_FLOAT_EQ(Field<float>(m, kClassAPosition, "lat"), -91.0f);

    // Type 17 counts in tenths of a minute, in 18 and 17 bits.
    AisBitWriter gnss;
    gnss.Put(17, 6).Put(0, 2).Put(2734450, 30).Put(0, 2).Put(-1800, 18).Put(35400, 17);
    ASSERT_TRUE(DecodeWritten(gnss.PadTo(80), m));
    EXPECT_FLOAT_EQ(Field<float>(m, kGnssBroadcast, "lon"), -3.0f);
    EXPECT_FLOAT_EQ(Field<float>(m, kGnssBroadcast, "lat"), 59.0f);
}

AisBitWriter StaticAndVoyageUpToName() {
    AisBitWriter w;
    w.Put(5, 6).Put(0, 2).Put(258315000, 30).Put(0, 2).Put(6514895, 30);
    w.PutText("LFNA", 7).PutText("FALKVIK", 20);
    return w;
}

TEST(DecodeAisMessage, AMessageCutShortDecodesWithTheMissingFieldsZero) {
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(StaticAndVoyageUpToName(), m));
    AisFieldTable t = kStaticAndVoyage;
    EXPECT_EQ(Field<uint32_t>(m, t, "imo"), 6514895u);
    EXPECT_EQ(Text(m, t, "callsign"), "LFNA@@@");
    EXPECT_EQ(Text(m, t, "shipname"), "FALKVIK@@@@@@@@@@@@@");
    EXPECT_EQ(Field<uint8_t>(m, t, "shiptype"), 0);
    EXPECT_EQ(Field<uint32_t>(m, t, "dimensions"), 0u);
    EXPECT_EQ(Text(m, t, "destination"), "");

    // The walk stops before the first field that does not fit whole.
    AisBitWriter shortReport;
    shortReport.Put(1, 6).Put(0, 2).Put(244660000, 30).Put(5, 2);
    ASSERT_TRUE(DecodeWritten(shortReport, m));
    EXPECT_EQ(Field<uint32_t>(m, kClassAPosition, "mmsi"), 244660000u);
    EXPECT_EQ(Field<uint8_t>(m, kClassAPosition, "status"), 0);
}

TEST(DecodeAisMessage, AStaticAndVoyageReportKeepsItsWordsWhole) {
    AisBitWriter w = StaticAndVoyageUpToName();
    uint32_t dimensions = 40u << 21 | 10u << 12 | 4u << 6 | 5u;
    uint32_t eta = 3u << 16 | 14u << 11 | 12u << 6 | 40u;
    w.Put(79, 8).Put(dimensions, 30).Put(1, 4).Put(eta, 20).Put(38, 8);
    w.PutText("FORUS", 20).Put(1, 1).Put(0, 1);
    ASSERT_EQ(w.Size(), 424u);
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(w, m));
    AisFieldTable t = kStaticAndVoyage;
    EXPECT_EQ(Field<uint8_t>(m, t, "shiptype"), 79);
    EXPECT_EQ(Field<uint32_t>(m, t, "dimensions"), dimensions);
    EXPECT_EQ(Field<uint8_t>(m, t, "epfd"), 1);
    EXPECT_EQ(Field<uint32_t>(m, t, "eta"), eta);
    EXPECT_FLOAT_EQ(Field<float>(m, t, "draught"), 3.8f);
    EXPECT_EQ(Text(m, t, "destination"), "FORUS@@@@@@@@@@@@@@@");
    EXPECT_EQ(Field<uint8_t>(m, t, "dte"), 1);
}

TEST(DecodeAisMessage, TextsUseTheSixBitCharacterSet) {
    // Every six-bit value once, as a safety broadcast running to the end of the message.
    AisBitWriter w;
    w.Put(14, 6).Put(0, 2).Put(2655619, 30).Put(0, 2);
    for (int value = 0; value < 64; ++value)
        w.Put(value, 6);
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(w, m));
    std::string expected;
    for (int code = 64; code < 96; ++code)
        expected += static_cast<char>(code);
    for (int code = 32; code < 64; ++code)
        expected += static_cast<char>(code);
    EXPECT_EQ(Text(m, kSafetyBroadcast, "text"), expected);
}

TEST(DecodeAisMessage, BinaryDataTakesTheWholeCharactersLeft) {
    // 120 bits: 56 of header, 64 of data, of which 10 characters are whole.
    AisBitWriter w;
    w.Put(8, 6).Put(0, 2).Put(2655619, 30).Put(0, 2).Put(366, 10).Put(56, 6);
    for (int i = 0; i < 10; ++i)
        w.Put(1 + i, 6);
    w.Put(0xF, 4);
    ASSERT_EQ(w.Size(), 120u);
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(w, m));
    EXPECT_EQ(Field<uint16_t>(m, kBroadcastBinary, "dac"), 366);
    EXPECT_EQ(Field<uint8_t>(m, kBroadcastBinary, "fid"), 56);
    EXPECT_EQ(Text(m, kBroadcastBinary, "data"), "ABCDEFGHIJ");
}

TEST(DecodeAisMessage, TheLongestMessagesStayInsideTheRecord) {
    // 1016 bits, the buffer full, for every type: texts to the end stay inside the record.
    for (unsigned type = 1; type <= 24; ++type) {
        AisBitWriter w;
        w.Put(type, 6).Put(3, 2).Put(0x3FFFFFFF, 30).Put(1, 2);
        while (w.Size() + 6 <= kAisBitCapacity)
            w.Put(0x2A, 6);
        AisMessage m;
        ASSERT_TRUE(DecodeWritten(w.PadTo(kAisBitCapacity), m)) << type;
        EXPECT_EQ(m.Bytes[0], type);
        const AisFieldTable& table = *AisTableOf(m);
        if (table.back().Kind == akTextToEnd) {
            std::string_view name = table.back().Name;
            size_t offset = AisOffsetOf(table, name);
            size_t characters = std::min<size_t>((kAisBitCapacity - AisBitOf(table, name)) / 6,
                                                 kAisMessageSize - offset - 1);
            EXPECT_EQ(
                strnlen(reinterpret_cast<const char*>(m.Bytes + offset), kAisMessageSize - offset),
                characters)
                << type;
        }
    }
}

TEST(DecodeAisMessage, AnAidsNameExtensionTakesTheWholeCharactersSent) {
    // The extension runs from bit 272 for 0 to 14 characters; spare bits fill the last byte.
    const std::pair<std::string, const char*> cases[] = {
        {"", nullptr}, {"SE", "SE"}, {"UR", "UR"}, {"OUSE EAST SIDE", "OUSE EAST SIDE"}};
    for (const auto& [extension, stored] : cases) {
        AisBitWriter w;
        w.Put(21, 6).Put(0, 2).Put(992351000, 30).Put(1, 5).PutText("SULE SKERRY LIGHTH", 20);
        w.PadTo(272).PutText(extension, static_cast<int>(extension.size()));
        AisMessage m;
        ASSERT_TRUE(DecodeWritten(w, m)) << extension;
        size_t offset = AisOffsetOf(kAidToNavigation, "name_extension");
        if (stored == nullptr)
            EXPECT_EQ(m.Bytes[offset], 0);
        else
            EXPECT_EQ(Text(m, kAidToNavigation, "name_extension"), stored);
    }
}

AisBitWriter ChannelManagement(bool addressed) {
    AisBitWriter w;
    w.Put(22, 6).Put(0, 2).Put(3160097, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 4);
    w.Put(0, 1);
    if (addressed)
        w.Put(211378120, 30).Put(0, 5).Put(244660000, 30).Put(0, 5);
    else
        w.Put(-1800, 18).Put(35400, 17).Put(600, 18).Put(34800, 17);
    w.Put(addressed ? 1 : 0, 1).Put(0, 1).Put(1, 1).Put(4, 3).Put(0, 23);
    return w;
}

TEST(DecodeAisMessage, AddressedChannelManagementCarriesTheMmsisAfterItsFields) {
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(ChannelManagement(true), m));
    EXPECT_EQ(Field<uint8_t>(m, kChannelManagement, "addressed"), 1);
    EXPECT_EQ(LoadAisValue<uint32_t>(m, kAddressedMmsiOffset), 211378120u);
    EXPECT_EQ(LoadAisValue<uint32_t>(m, kAddressedMmsiOffset + 4), 244660000u);
    EXPECT_EQ(Field<uint8_t>(m, kChannelManagement, "zonesize"), 4);

    ASSERT_TRUE(DecodeWritten(ChannelManagement(false), m));
    EXPECT_EQ(Field<uint8_t>(m, kChannelManagement, "addressed"), 0);
    EXPECT_EQ(LoadAisValue<uint32_t>(m, kAddressedMmsiOffset), 0u);
    EXPECT_FLOAT_EQ(Field<float>(m, kChannelManagement, "ne_lon"), -3.0f);
    EXPECT_FLOAT_EQ(Field<float>(m, kChannelManagement, "sw_lat"), 58.0f);
}

TEST(DecodeAisMessage, StaticDataPartNumberOnePicksPartB) {
    AisBitWriter partA;
    partA.Put(24, 6).Put(0, 2).Put(503513400, 30).Put(0, 2).PutText("WHITEBIRDS", 20);
    AisMessage m;
    ASSERT_TRUE(DecodeWritten(partA, m));
    EXPECT_EQ(AisTableOf(m)->data(), kStaticDataA);
    EXPECT_EQ(Text(m, kStaticDataA, "shipname"), "WHITEBIRDS@@@@@@@@@@");

    AisBitWriter partB;
    partB.Put(24, 6).Put(0, 2).Put(503513400, 30).Put(1, 2).Put(37, 8).PutText("RAY", 7);
    partB.PutText("VMQ9877", 7).Put(20u << 21 | 2u << 12 | 2u << 6 | 2u, 30).Put(0, 6);
    ASSERT_TRUE(DecodeWritten(partB, m));
    EXPECT_EQ(m.Bytes[0], 24);
    EXPECT_EQ(m.Bytes[6], 1);
    EXPECT_EQ(AisTableOf(m)->data(), kStaticDataB);
    EXPECT_EQ(Field<uint8_t>(m, kStaticDataB, "shiptype"), 37);
    EXPECT_EQ(Text(m, kStaticDataB, "vendorid"), "RAY@@@@");
    EXPECT_EQ(Text(m, kStaticDataB, "callsign"), "VMQ9877");

    // Parts 2 and 3 are read with part A's table.
    partA = AisBitWriter{};
    partA.Put(24, 6).Put(0, 2).Put(503513400, 30).Put(3, 2).PutText("X", 20);
    ASSERT_TRUE(DecodeWritten(partA, m));
    EXPECT_EQ(AisTableOf(m)->data(), kStaticDataA);
}

TEST(DecodeAisMessage, TypesWithoutATableFail) {
    for (int type : {0, 25, 26, 27, 63}) {
        AisBitWriter w;
        w.Put(type, 6).Put(0, 2).Put(244660000, 30).PadTo(168);
        AisMessage m;
        EXPECT_FALSE(DecodeWritten(w, m)) << type;
        EXPECT_EQ(m.Bytes[0], type);
    }
}

} // namespace
