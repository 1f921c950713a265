// The six-bit armouring: the alphabet, the payload shapes that give whole bytes, and
// reading fields from the bits.
#include "AisTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(SixBitValue, CoversTheTwoRangesOfTheAlphabet) {
    const std::pair<char, int> cases[] = {
        {'0', 0},  {'9', 9},  {'W', 39}, {'`', 40},  {'w', 63},    {'X', -1},
        {'x', -1}, {'_', -1}, {'/', -1}, {'\0', -1}, {'\x80', -1},
    };
    for (const auto& [c, value] : cases)
        EXPECT_EQ(SixBitValue(c), value) << static_cast<int>(c);
}

struct ShapeCase {
    const char* what;
    size_t characters;
    int fillBits;
    bool accepted;
    int bits;
};

TEST(DearmourPayload, AcceptsOnlyPayloadsOfWholeBytes) {
    const ShapeCase cases[] = {
        {"28 characters, 0 fill bits", 28, 0, true, 168},
        {"71 characters, 2 fill bits", 71, 2, true, 424},
        {"46 characters, 4 fill bits", 46, 4, true, 272},
        {"27 characters, 2 fill bits", 27, 2, true, 160},
        {"6 characters, 0 fill bits: two ignored", 6, 0, true, 24},
        {"no characters", 0, 0, true, 0},
        {"1 fill bit", 28, 1, false, 0},
        {"3 fill bits", 28, 3, false, 0},
        {"5 fill bits", 28, 5, false, 0},
        {"2 fill bits with one character after the groups", 45, 2, false, 0},
        {"2 fill bits with none after the groups", 44, 2, false, 0},
        {"4 fill bits with one character after the groups", 45, 4, false, 0},
        {"168 characters: the longest message", 168, 0, true, 1008},
        {"170 characters, 4 fill bits: the buffer full", 170, 4, true, 1016},
        {"171 characters, 2 fill bits: one byte too many", 171, 2, false, 0},
        {"172 characters: two bytes too many", 172, 0, false, 0},
    };
    for (const ShapeCase& c : cases) {
        AisBitBuffer bits{};
        bool accepted =
            DearmourPayload(PendingWith(std::string(c.characters, 'w'), c.fillBits), bits);
        EXPECT_EQ(accepted, c.accepted) << c.what;
        if (c.accepted) {
            EXPECT_EQ(bits.Count, c.bits) << c.what;
        }
    }
}

TEST(DearmourPayload, RefusesCharactersOutsideTheAlphabet) {
    const std::pair<std::string, int> cases[] = {
        {"13u?etPv2;0n:dDPwUM1U1CbX69D", 0},    // X, code 88
        {"13u?etPv2;0n:dDPwUM1U1Cbx69D", 0},    // x, code 120
        {"13u?etPv2;0n:dDPwUM1U1Cb069D13_", 2}, // in the three characters after the groups
        {"13u?etPv2;0n:dDPwUM1U1Cb069D1 ", 4},
    };
    for (const auto& [payload, fillBits] : cases) {
        AisBitBuffer bits{};
        EXPECT_FALSE(DearmourPayload(PendingWith(payload, fillBits), bits)) << payload;
    }
}

TEST(DearmourPayload, PacksTheCharactersMostSignificantFirstAndClearsTheBuffer) {
    AisBitBuffer bits{};
    std::memset(bits.Bytes, 0xFF, sizeof bits.Bytes);
    // "1" is 000001, "w" 111111, "0" 000000: 000001 111111 000000 111111 | 000001 111111 000000
    ASSERT_TRUE(DearmourPayload(PendingWith("1w0w1w0", 2), bits));
    EXPECT_EQ(bits.Count, 40);
    const uint8_t expected[] = {0x07, 0xF0, 0x3F, 0x07, 0xF0, 0x00};
    for (size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(bits.Bytes[i], expected[i]) << "byte " << i;
    EXPECT_EQ(bits.Bytes[sizeof bits.Bytes - 1], 0);
}

// Characters are taken sixteen at a time where the payload is long enough: every byte
// value at places inside and after such a block, against the characters one by one.
TEST(DearmourPayload, GivesEveryCharacterItsValueWhereverItStands) {
    for (int byte = 1; byte < 256; ++byte)
        for (size_t at : {0u, 7u, 15u, 16u, 31u, 35u, 39u}) {
            PendingVdm pending{};
            std::string payload(40, 'w');
            payload[at] = static_cast<char>(byte);
            std::memcpy(pending.Payload, payload.data(), payload.size());
            pending.Length = static_cast<uint8_t>(payload.size());
            AisBitBuffer bits;
            int value = SixBitValue(static_cast<char>(byte));
            ASSERT_EQ(DearmourPayload(pending, bits), value >= 0) << byte << " at " << at;
            if (value < 0)
                continue;
            ASSERT_EQ(bits.Count, 240);
            for (size_t i = 0; i < payload.size(); ++i)
                ASSERT_EQ(ReadBits(bits, static_cast<unsigned>(6 * i), 6),
                          static_cast<uint32_t>(SixBitValue(payload[i])))
                    << byte << " at " << at << ", character " << i;
        }
}

TEST(ReadBits, ReadsAnyWidthAtAnyPositionAndZerosPastTheBuffer) {
    AisBitBuffer bits{};
    const uint8_t start[] = {0xAB, 0xCD, 0xEF, 0x12, 0x34};
    std::memcpy(bits.Bytes, start, sizeof start);
    bits.Bytes[kAisBitBytes - 1] = 0x5A;
    struct Case {
        unsigned position, width;
        uint32_t value;
    };
    const Case cases[] = {
        {0, 8, 0xAB},
        {4, 8, 0xBC},
        {7, 1, 1},
        {0, 6, 0x2A},
        {0, 32, 0xABCDEF12},
        {4, 32, 0xBCDEF123},
        {7, 32, 0xE6F7891A},
        {kAisBitCapacity - 8, 8, 0x5A},
        {kAisBitCapacity - 4, 8, 0xA0},
        {kAisBitCapacity - 4, 32, 0xA0000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadBits(bits, c.position, c.width), c.value) << c.position << "/" << c.width;
}

} // namespace
