#include "ais/AisBits.h"

#include <array>

namespace {

constexpr std::array<int8_t, 256> kSixBit = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= 'W'; ++c)
        values[static_cast<size_t>(c)] = static_cast<int8_t>(c - 48);
    for (int c = '`'; c <= 'w'; ++c)
        values[static_cast<size_t>(c)] = static_cast<int8_t>(c - 56);
    return values;
}();

// The six-bit values of `count` characters joined, the first most significant; -1 when
// one is outside the alphabet (the payload's NUL included).
int32_t JoinSixBits(const char* text, int count) {
    int32_t joined = 0;
    for (int i = 0; i < count; ++i) {
        int value = kSixBit[static_cast<uint8_t>(text[i])];
        if (value < 0)
            return -1;
        joined = joined << 6 | value;
    }
    return joined;
}

} // namespace

int SixBitValue(char c) {
    return kSixBit[static_cast<uint8_t>(c)];
}

bool DearmourPayload(const PendingVdm& pending, AisBitBuffer& bits) {
    bits = AisBitBuffer{};
    const char* text = pending.Payload;
    size_t left = pending.Length < kJoinedPayloadCapacity ? pending.Length : kJoinedPayloadCapacity;
    size_t out = 0;
    // Groups of four characters make three bytes; a character outside the alphabet
    // reads as -1, which shows in the sign of them joined.
    if (left / 4 * 3 > kAisBitBytes)
        return false;
    for (; left >= 4; text += 4, left -= 4) {
        int32_t a = kSixBit[static_cast<uint8_t>(text[0])],
                b = kSixBit[static_cast<uint8_t>(text[1])],
                c = kSixBit[static_cast<uint8_t>(text[2])],
                d = kSixBit[static_cast<uint8_t>(text[3])];
        if ((a | b | c | d) < 0)
            return false;
        int32_t group = a << 18 | b << 12 | c << 6 | d;
        bits.Bytes[out++] = static_cast<uint8_t>(group >> 16);
        bits.Bytes[out++] = static_cast<uint8_t>(group >> 8);
        bits.Bytes[out++] = static_cast<uint8_t>(group);
    }
    bits.Count = static_cast<uint16_t>(out * 8);
    switch (pending.FillBits) {
    case 0:
        return true;
    case 2: {
        int32_t tail = left >= 3 ? JoinSixBits(text, 3) : -1;
        if (tail < 0 || out + 2 > kAisBitBytes)
            return false;
        bits.Bytes[out++] = static_cast<uint8_t>(tail >> 10);
        bits.Bytes[out++] = static_cast<uint8_t>(tail >> 2);
        bits.Count = static_cast<uint16_t>(bits.Count + 16);
        return true;
    }
    case 4: {
        int32_t tail = left >= 2 ? JoinSixBits(text, 2) : -1;
        if (tail < 0 || out + 1 > kAisBitBytes)
            return false;
        bits.Bytes[out++] = static_cast<uint8_t>(tail >> 4);
        bits.Count = static_cast<uint16_t>(bits.Count + 8);
        return true;
    }
    default:
        return false;
    }
}
