#include "ais/AisBits.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Sixteen armouring characters to the twelve bytes of their bits at `out`; false when one
// is outside the alphabet. The same as four groups through kSixBit.
bool DearmourSixteen(const char* text, uint8_t* out) {
    __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    // Signed compares: bytes from 0x80 on are negative and fall in neither range.
    __m128i low = _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8('0' - 1)),
                                _mm_cmplt_epi8(c, _mm_set1_epi8('W' + 1)));
    __m128i high = _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8('`' - 1)),
                                 _mm_cmplt_epi8(c, _mm_set1_epi8('w' + 1)));
    if (_mm_movemask_epi8(_mm_or_si128(low, high)) != 0xFFFF)
        return false;
    __m128i values =
        _mm_sub_epi8(_mm_sub_epi8(c, _mm_set1_epi8(48)), _mm_and_si128(high, _mm_set1_epi8(8)));
    // Two values to 12 bits in each 16-bit lane, then two of those to 24 bits in each
    // 32-bit lane, the first character most significant.
    __m128i pairs = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(values, _mm_set1_epi16(0xFF)), 6),
                                 _mm_srli_epi16(values, 8));
    __m128i groups = _mm_or_si128(_mm_slli_epi32(_mm_and_si128(pairs, _mm_set1_epi32(0xFFFF)), 12),
                                  _mm_srli_epi32(pairs, 16));
    alignas(16) uint32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), groups);
    for (uint32_t group : lanes) {
        *out++ = static_cast<uint8_t>(group >> 16);
        *out++ = static_cast<uint8_t>(group >> 8);
        *out++ = static_cast<uint8_t>(group);
    }
    return true;
}
#endif

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
#if defined(__SSE2__)
    for (; left >= 16; text += 16, left -= 16, out += 12)
        if (!DearmourSixteen(text, bits.Bytes + out))
            return false;
#endif
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
