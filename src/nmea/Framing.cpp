#include "nmea/Framing.h"

#include "session/Checksum.h"

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

bool VerifyChecksum(const char* line, size_t length) {
    // The "*" is looked for from the third character on and must leave room for its two
    // digits; a line without one fails.
    if (length < 5)
        return false;
    const char* star = static_cast<const char*>(std::memchr(line + 2, '*', length - 4));
    if (star == nullptr)
        return false;
    uint8_t sum = SentenceChecksum(std::string_view(line, static_cast<size_t>(star - line)));
    int stated = 16 * DigitValue(static_cast<unsigned char>(star[1])) +
                 DigitValue(static_cast<unsigned char>(star[2]));
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

bool FieldList::FindEnd() {
    if (commas_ == 0)
        return false;
    size_t last = comma_[commas_ - 1];
    const void* star = std::memchr(line_ + last + 1, '*', length_ - last - 1);
    if (star == nullptr)
        return false;
    end_ = static_cast<size_t>(static_cast<const char*>(star) - line_);
    return true;
}
