#include "JsonWriter.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// GCC and Clang have it; the exact steps below need more than 64 bits.
__extension__ typedef unsigned __int128 u128;

constexpr uint64_t kPowersOfTen[] = {1,
                                     10,
                                     100,
                                     1000,
                                     10000,
                                     100000,
                                     1000000,
                                     10000000,
                                     100000000,
                                     1000000000,
                                     10000000000,
                                     100000000000,
                                     1000000000000,
                                     10000000000000,
                                     100000000000000,
                                     1000000000000000};

// A positive float as M * 2^E with the bounds of the values that read back as it, all in
// units of 2^(E-2): the float is 4M, the bounds Low and High. A decimal exactly on a
// bound reads back as this float only when M is even (ties go to the even mantissa).
struct Interval {
    uint64_t Low, Mid, High;
    int Shift; // E - 2
    bool BoundsIncluded;
};

// `units` * 2^shift * 10^k as floor and whether it is exact. Every operand stays below
// 2^82, so the arithmetic is exact; 64 bits suffice while units * 10^k stays below 2^63
// (units below 2^27, k at most 11) and the shift does not go left.
struct Scaled {
    u128 Floor;
    bool Exact;
    u128 Remainder; // for shift < 0: below 2^-shift
};
[[gnu::always_inline]] inline Scaled Scale(uint64_t units, int shift, int k) {
    if (k <= 11 && shift <= 0) {
        uint64_t value = units * kPowersOfTen[k];
        uint64_t remainder = value & ((uint64_t{1} << -shift) - 1);
        return {value >> -shift, remainder == 0, remainder};
    }
    u128 value = static_cast<u128>(units) * kPowersOfTen[k];
    if (shift >= 0)
        return {value << shift, true, 0};
    u128 remainder = value & ((static_cast<u128>(1) << -shift) - 1);
    return {value >> -shift, remainder == 0, remainder};
}

// The range of m for which m / 10^k reads back as the float; empty when first > last.
struct Candidates {
    u128 First, Last;
};
[[gnu::always_inline]] inline Candidates CandidatesAt(const Interval& interval, int k) {
    Scaled low = Scale(interval.Low, interval.Shift, k);
    Scaled high = Scale(interval.High, interval.Shift, k);
    u128 first = low.Exact && interval.BoundsIncluded ? low.Floor : low.Floor + 1;
    u128 last = high.Floor;
    if (high.Exact && !interval.BoundsIncluded) {
        if (last == 0)
            return {1, 0};
        --last;
    }
    return {first, last};
}

// The decimals at which a candidate is certain: the interval is at least 3 units of
// 2^shift wide, so a step of 10^-k below that always lands inside it.
constexpr int kShiftMin = -44, kShiftMax = 8;
constexpr auto kDecimalsCertain = [] {
    std::array<int8_t, kShiftMax - kShiftMin + 1> table{};
    for (int shift = kShiftMin; shift <= kShiftMax; ++shift) {
        int k = 0;
        while ((static_cast<u128>(3) * kPowersOfTen[k] << (shift - kShiftMin)) <=
               (static_cast<u128>(1) << -kShiftMin))
            ++k;
        table[static_cast<size_t>(shift - kShiftMin)] = static_cast<int8_t>(k);
    }
    return table;
}();
int FewestDecimalsCertain(int shift) {
    return kDecimalsCertain[static_cast<size_t>(shift - kShiftMin)];
}

int DigitCount(uint64_t value) {
    // log10(2) ~ 1233 / 4096 gives the count or one less.
    int guess = (64 - std::countl_zero(value | 1)) * 1233 >> 12;
    return guess + (value >= kPowersOfTen[guess]);
}

// Prints m / 10^k in plain decimals, from the last digit back, two at a time: the
// decimals (zeros where m has fewer digits), the point, then the rest of m or a single 0.
char* WriteFixed(char* out, uint64_t m, int k) {
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                     "25262728293031323334353637383940414243444546474849"
                                     "50515253545556575859606162636465666768697071727374"
                                     "75767778798081828384858687888990919293949596979899";
    int digits = DigitCount(m);
    int length = digits > k ? digits + (k > 0) : k + 2;
    char* at = out + length;
    int i = 0;
    for (; i + 2 <= k; i += 2, m /= 100) {
        at -= 2;
        std::memcpy(at, kPairs + 2 * (m % 100), 2);
    }
    if (i < k) {
        *--at = static_cast<char>('0' + m % 10);
        m /= 10;
    }
    if (k > 0)
        *--at = '.';
    if (m == 0)
        *--at = '0';
    for (; m >= 10; m /= 100) {
        at -= 2;
        std::memcpy(at, kPairs + 2 * (m % 100), 2);
    }
    if (m != 0)
        *--at = static_cast<char>('0' + m);
    return out + length;
}

// The plain-decimal text with the fewest characters that reads back as `value`, the one
// closest to it among those, as std::to_chars gives it; but found with a few exact
// integer steps instead of the general algorithm. Null for the rare cases it leaves to
// std::to_chars: a tie between two candidates, or candidates of different lengths.
char* WriteShortestFixed(char* out, float value) {
    uint32_t bits = std::bit_cast<uint32_t>(value);
    uint32_t exponentBits = bits >> 23 & 0xFF;
    uint64_t mantissa = (bits & 0x7FFFFF) | 0x800000;
    int shift = static_cast<int>(exponentBits) - 150 - 2;
    // Below 2^-42 the powers of ten needed leave the table; those values are written
    // with an exponent anyway.
    if (exponentBits == 0 || shift < kShiftMin || shift > kShiftMax)
        return nullptr;
    bool narrowBelow = (bits & 0x7FFFFF) == 0 && exponentBits > 1;
    Interval interval{4 * mantissa - (narrowBelow ? 1 : 2), 4 * mantissa, 4 * mantissa + 2, shift,
                      mantissa % 2 == 0};

    // At `enough` decimals there are candidates, m from First to Last. With one decimal
    // fewer the candidates are the multiples of ten among them: drop decimals while
    // there is one.
    int k = FewestDecimalsCertain(shift);
    Candidates candidates = CandidatesAt(interval, k);
    if (candidates.First > candidates.Last || candidates.Last >= kPowersOfTen[15])
        return nullptr;
    uint64_t first = static_cast<uint64_t>(candidates.First);
    uint64_t last = static_cast<uint64_t>(candidates.Last);
    for (; k > 0 && (first + 9) / 10 <= last / 10; --k) {
        first = (first + 9) / 10;
        last /= 10;
    }
    if (DigitCount(first) != DigitCount(last))
        return nullptr;
    // The candidate nearest the value itself.
    Scaled exact = Scale(interval.Mid, interval.Shift, k);
    u128 nearest = exact.Floor;
    if (!exact.Exact) {
        u128 half = static_cast<u128>(1) << (-interval.Shift - 1);
        if (exact.Remainder == half)
            return nullptr;
        if (exact.Remainder > half)
            ++nearest;
    }
    if (nearest < first)
        nearest = first;
    if (nearest > last)
        nearest = last;
    return WriteFixed(out, static_cast<uint64_t>(nearest), k);
}

// Most values have a few decimals at most (speeds, courses, dilutions): with k of 0 to 2,
// when m / 10^k for the m nearest value * 10^k reads back as the value (the product is
// exact in double, and so is the quotient's rounding to float for such short decimals),
// that is the text, since below these bounds no two such decimals share a float. Null
// for other values.
char* WriteShortDecimal(char* out, float magnitude) {
    static constexpr float kBelow[] = {16777216.0f, 65536.0f, 8192.0f};
    static constexpr double kScale[] = {1.0, 10.0, 100.0};
    for (int k = 0; k < 3; ++k) {
        if (magnitude >= kBelow[k])
            return nullptr;
        double scaled = static_cast<double>(magnitude) * kScale[k];
        int64_t nearest = static_cast<int64_t>(scaled + 0.5);
        double m = static_cast<double>(nearest);
        // A float lies within half a unit in its last place, below 2^-24 of it, from
        // the decimal it stands for; the quotient is worked out only near one.
        if (std::fabs(scaled - m) <= scaled * 0x1p-23 &&
            static_cast<float>(m / kScale[k]) == magnitude)
            return WriteFixed(out, static_cast<uint64_t>(nearest), k);
    }
    return nullptr;
}

} // namespace

namespace {

char* WriteReal(char* out, float value) {
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    float magnitude = std::fabs(value);
    if (magnitude >= 1e-5f && magnitude < 1e9f) {
        char* start = out;
        if (value < 0)
            *out++ = '-';
        if (char* end = WriteShortDecimal(out, magnitude))
            return end;
        if (char* end = WriteShortestFixed(out, magnitude))
            return end;
        out = start;
    }
    std::chars_format format = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e9f)
                                   ? std::chars_format::fixed
                                   : std::chars_format::general;
    return std::to_chars(out, out + kRealText, value, format).ptr;
}

// The texts of recent values, by their bits: decoded messages repeat a few values over
// and over (rates of turn and speeds not available, stations at rest).
struct RecentReal {
    uint32_t Bits;
    uint8_t Length; // 0: empty
    char Text[27];
};
constexpr size_t kRecentReals = 256;
thread_local RecentReal recentReals[kRecentReals];

} // namespace

char* FormatReal(char* out, float value) {
    uint32_t bits = std::bit_cast<uint32_t>(value);
    RecentReal& recent = recentReals[(bits * 0x9E3779B1u) >> 24];
    if (recent.Length != 0 && recent.Bits == bits) {
        std::memcpy(out, recent.Text, sizeof recent.Text);
        return out + recent.Length;
    }
    char* end = WriteReal(out, value);
    size_t length = static_cast<size_t>(end - out);
    if (length <= sizeof recent.Text) {
        recent.Bits = bits;
        recent.Length = static_cast<uint8_t>(length);
        std::memcpy(recent.Text, out, length);
    }
    return end;
}
