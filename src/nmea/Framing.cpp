#include "nmea/Framing.h"

#include <bit>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Value of one checksum digit; anything but 0-9 and A-F gives a value that cannot match
// in general, which is how a lower-case digit fails.
int DigitValue(unsigned char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

// Bit i set where p[i] == c, for the 16 characters from p.
uint32_t Matches16(const char* p, char c) {
#if defined(__SSE2__)
    __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(text, _mm_set1_epi8(c))));
#else
    uint32_t mask = 0;
    for (int i = 0; i < 16; ++i)
        mask |= static_cast<uint32_t>(p[i] == c) << i;
    return mask;
#endif
}

} // namespace

namespace {

#if defined(__SSE2__)
// Sixteen bytes of 0xFF then sixteen of 0: loaded from 16 - n on, the first n bytes kept.
alignas(16) constexpr uint8_t kKeepWindow[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
__m128i KeepFirst(size_t n) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeepWindow + 16 - n));
}
uint8_t XorOfBytes(__m128i bytes) {
    bytes = _mm_xor_si128(bytes, _mm_srli_si128(bytes, 8));
    bytes = _mm_xor_si128(bytes, _mm_srli_si128(bytes, 4));
    bytes = _mm_xor_si128(bytes, _mm_srli_si128(bytes, 2));
    bytes = _mm_xor_si128(bytes, _mm_srli_si128(bytes, 1));
    return static_cast<uint8_t>(_mm_cvtsi128_si32(bytes));
}
#endif

// The first "*" in [2, end) of `line` and the XOR of the characters before it, or
// `end` and the XOR of all.
size_t FindStarAndXor(const char* line, size_t end, uint8_t& sum) {
    size_t at = 0;
    sum = 0;
#if defined(__SSE2__)
    if (end >= 16) {
        __m128i xors = _mm_setzero_si128();
        const __m128i star = _mm_set1_epi8('*');
        // Blocks of sixteen, then the last sixteen without what the blocks covered.
        for (size_t next = 0;; next += 16) {
            size_t start = next + 16 <= end ? next : end - 16;
            __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + start));
            __m128i fresh = _mm_andnot_si128(KeepFirst(at - start), block);
            uint32_t stars = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(fresh, star)));
            stars &= ~0u << (at - start) << (start == 0 ? 2 : 0);
            if (stars != 0) {
                size_t found = start + static_cast<size_t>(std::countr_zero(stars));
                xors = _mm_xor_si128(xors, _mm_and_si128(fresh, KeepFirst(found - start)));
                sum = XorOfBytes(xors);
                return found;
            }
            xors = _mm_xor_si128(xors, fresh);
            at = start + 16;
            if (at == end) {
                sum = XorOfBytes(xors);
                return end;
            }
        }
    }
#endif
    for (; at < end; ++at) {
        if (line[at] == '*' && at >= 2)
            return at;
        sum ^= static_cast<uint8_t>(line[at]);
    }
    return end;
}

} // namespace

bool VerifyChecksum(const char* line, size_t length, size_t* star) {
    // The "*" must leave room for its two digits; a line without one fails.
    if (length < 5)
        return false;
    uint8_t sum;
    size_t found = FindStarAndXor(line, length - 2, sum);
    if (found == length - 2)
        return false;
    if (star != nullptr)
        *star = found;
    sum ^= static_cast<uint8_t>(line[0]); // the start character is not covered
    int stated = 16 * DigitValue(static_cast<unsigned char>(line[found + 1])) +
                 DigitValue(static_cast<unsigned char>(line[found + 2]));
    return (stated & 0xFF) == sum;
}

bool ExpandEmptyFields(char* buffer, size_t& length) {
    size_t empty = 0;
    for (size_t i = 0; i + 1 < length; ++i)
        empty += (buffer[i] == ',') & ((buffer[i + 1] == ',') | (buffer[i + 1] == '*'));
    if (empty == 0)
        return length <= kMaxExpandedLength;
    if (length + empty > kMaxExpandedLength)
        return false;
    // Shift from the end, so each character moves once. The character after the one
    // being moved is still the original: it has either not been overwritten yet or been
    // written back to its own place.
    size_t to = length + empty;
    buffer[to] = '\0';
    for (size_t from = length; from-- > 0;) {
        char c = buffer[from];
        if (c == ',' && (buffer[from + 1] == ',' || buffer[from + 1] == '*'))
            buffer[--to] = ' ';
        buffer[--to] = c;
    }
    length += empty;
    return true;
}

FieldList::FieldList(const char* line, size_t length) : line_(line), length_(length) {
    // Counters live in locals: the byte stores below may alias any member.
    int commas = 0;
    size_t empty = 0;
    size_t firstEmpty = SIZE_MAX;
    // Sixteen characters at a time, each with the character after it (the line's NUL may
    // be the last of those); the last block ends at the line's end and skips what the
    // block before it covered. A line longer than the buffer never gets here, so every
    // position fits a byte.
    auto scan = [&](size_t at, uint32_t found) {
        uint32_t emptyAfter =
            found & (Matches16(line + at + 1, ',') | Matches16(line + at + 1, '*'));
        if (emptyAfter != 0 && empty == 0)
            firstEmpty = at + static_cast<size_t>(std::countr_zero(emptyAfter));
        for (; emptyAfter != 0; emptyAfter &= emptyAfter - 1)
            ++empty;
        for (; found != 0; found &= found - 1)
            comma_[commas++] =
                static_cast<uint8_t>(at + static_cast<size_t>(std::countr_zero(found)));
    };
    size_t at = 0;
    for (; at + 16 <= length; at += 16)
        if (uint32_t found = Matches16(line + at, ','); found != 0)
            scan(at, found);
    if (at < length && length >= 16) {
        size_t last = length - 16;
        if (uint32_t found = Matches16(line + last, ',') >> (at - last) << (at - last); found != 0)
            scan(last, found);
    } else {
        for (; at < length; ++at) {
            if (line[at] != ',')
                continue;
            if (line[at + 1] == ',' || line[at + 1] == '*') {
                if (empty == 0)
                    firstEmpty = at;
                ++empty;
            }
            comma_[commas++] = static_cast<uint8_t>(at);
        }
    }
    commas_ = commas;
    emptyFields_ = empty;
    firstEmptyField_ = firstEmpty;
}

void FieldList::StartAt(size_t position) {
    int dropped = 0;
    while (dropped < commas_ && comma_[dropped] < position)
        ++dropped;
    std::memmove(comma_, comma_ + dropped, static_cast<size_t>(commas_ - dropped));
    commas_ -= dropped;
}

bool FieldList::FindEnd(size_t firstStar) {
    if (commas_ == 0)
        return false;
    size_t last = comma_[commas_ - 1];
    if (firstStar > last && firstStar < length_) {
        end_ = firstStar;
        return true;
    }
    const void* star = std::memchr(line_ + last + 1, '*', length_ - last - 1);
    if (star == nullptr)
        return false;
    end_ = static_cast<size_t>(static_cast<const char*>(star) - line_);
    return true;
}
