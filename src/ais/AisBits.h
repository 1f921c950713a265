// The bits of one AIS message: the six-bit armouring of the payload text undone into a
// buffer, and fields read from it by position and width.
#pragma once

#include "ais/PendingVdm.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

inline constexpr size_t kAisBitBytes = 127;
inline constexpr unsigned kAisBitCapacity = kAisBitBytes * 8; // 1016

// The bits in order of transmission, the first in the most significant bit of byte 0.
struct AisBitBuffer {
    uint8_t Bytes[kAisBitBytes];
    uint16_t Count; // valid bits, always whole bytes
};

// The six-bit value 0..63 of an armouring character ("0".."W", "`".."w"), else -1.
int SixBitValue(char c);

// Converts the joined payload of `pending` into `bits`, which it clears first. Payloads
// whose bit length is not a multiple of 8 pass only with 2 fill bits (three characters
// after the last group of four, 16 bits kept) or 4 (two characters, 8 bits kept); with no
// fill bits one to three characters after the last group are ignored. False for a
// character outside the alphabet, for 1, 3 or 5 fill bits, and for a payload that would
// need more than kAisBitBytes bytes.
bool DearmourPayload(const PendingVdm& pending, AisBitBuffer& bits);

// The `width` bits (1 to 32) from bit `position` on, right-aligned. Bits past the buffer
// read as 0.
inline uint32_t ReadBits(const AisBitBuffer& bits, unsigned position, unsigned width) {
    unsigned first = position / 8;
    if (first + 8 <= kAisBitBytes) {
        // Eight bytes hold any field from any bit of the first.
        uint64_t joined;
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        std::memcpy(&joined, bits.Bytes + first, 8);
        joined = __builtin_bswap64(joined);
#else
        joined = 0;
        for (unsigned i = 0; i < 8; ++i)
            joined = joined << 8 | bits.Bytes[first + i];
#endif
        return static_cast<uint32_t>(joined << position % 8 >> (64 - width));
    }
    unsigned last = (position + width - 1) / 8;
    uint64_t joined = 0;
    for (unsigned i = first; i <= last; ++i)
        joined = joined << 8 | (i < kAisBitBytes ? bits.Bytes[i] : 0u);
    unsigned below = (last - first + 1) * 8 - position % 8 - width;
    return static_cast<uint32_t>((joined >> below) & ((uint64_t{1} << width) - 1));
}
