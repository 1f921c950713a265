#include "JsonWriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

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
constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
constexpr int kMostDecimals = 8;

int DigitCount(uint64_t value) {
    // log10(2) ~ 1233 / 4096 gives the count or one less.
    int guess = (64 - std::countl_zero(value | 1)) * 1233 >> 12;
    return guess + (value >= kPowersOfTen[guess]);
}

// Prints m / 10^k in plain decimals, from the last digit back, two at a time: the
// decimals (zeros where m has fewer digits), the point, then the rest of m or a single 0.
// Most values fit 32 bits, where the divisions are cheaper.
template <typename Unsigned> char* WriteDigits(char* out, Unsigned m, int k) {
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

char* WriteFixed(char* out, uint64_t m, int k) {
    return m <= UINT32_MAX ? WriteDigits(out, static_cast<uint32_t>(m), k) : WriteDigits(out, m, k);
}

// By the exponent bits of a float: the decimals at which some m / 10^k is certain to read
// back as it. Those that do lie within half a unit in the last place either side, 2^E
// wide in all for value M * 2^E, and a step of 10^-k narrower than that lands inside.
constexpr auto kDecimalsCertain = [] {
    std::array<int8_t, 256> decimals{};
    for (int exponentBits = 0; exponentBits < 256; ++exponentBits) {
        double width = 1.0; // 2^E, E = exponentBits - 150
        for (int e = exponentBits - 150; e > 0; --e)
            width *= 2.0;
        for (int e = exponentBits - 150; e < 0; ++e)
            width /= 2.0;
        int k = 0;
        while (k <= kMostDecimals && width * kScales[k] <= 1.0)
            ++k;
        decimals[static_cast<size_t>(exponentBits)] = static_cast<int8_t>(k);
    }
    return decimals;
}();

// Whether `scaled` (positive, below 2^62) lies as near an integer as a float does to the
// decimal it reads back from: within 2^-24 of it, with room to spare. The conversion to
// integer rounds toward zero, so adding a half first gives the nearest.
bool NearAnInteger(double scaled) {
    double nearest = static_cast<double>(static_cast<int64_t>(scaled + 0.5));
    return std::fabs(scaled - nearest) <= scaled * 0x1p-23;
}

// Whether m / 10^k, for the m nearest value * 10^k, reads back as `value`; m on success.
// The product is exact in double (24 bits times at most 5^8), and the quotient's rounding
// to float is the decimal's own: a decimal of k <= 8 decimals that is not on the midpoint
// between two floats M * 2^E lies at least 2^(E-1) / 10^k from it, more than 2^-25 / 10^8
// of the value, which the quotient's error (2^-53 of it) cannot cross. A tie (value *
// 10^k halfway between two integers) counts as a failure.
bool ReadsBack(float value, int k, uint64_t& m) {
    double scaled = static_cast<double>(value) * kScales[k];
    if (!NearAnInteger(scaled))
        return false;
    double nearest = static_cast<double>(static_cast<int64_t>(scaled + 0.5));
    if (nearest - scaled == 0.5)
        return false;
    if (static_cast<float>(nearest / kScales[k]) != value)
        return false;
    m = static_cast<uint64_t>(nearest);
    return true;
}

// The plain-decimal text with the fewest characters that reads back as `value` (positive,
// normal, below 2^63 / 10^8), the one nearest it among those, as std::to_chars gives it.
// The fewest decimals k with a candidate is found by trials: a candidate at k means one
// at every larger k, and when there is one the nearest is one, since the values that
// read back lie as far either side. Null where that does not hold or the text would have
// to be chosen among candidates of different lengths: a float whose lower neighbour is
// nearer (a power of two), more than 8 decimals, a tie, or m a power of ten.
char* WriteShortestFixed(char* out, float value) {
    uint32_t bits = std::bit_cast<uint32_t>(value);
    if ((bits & 0x7FFFFF) == 0)
        return nullptr;
    int certain = kDecimalsCertain[bits >> 23 & 0xFF];
    uint64_t m = 0;
    int k = -1;
    // Short values (speeds, courses) first, from no decimals on; then the others down
    // from the decimals that are certain. A value that is no short decimal of two
    // decimals is none of fewer either (ten times one is one of more), so that is asked
    // first.
    int shortest = std::min(2, certain);
    if (NearAnInteger(static_cast<double>(value) * kScales[shortest]))
        for (int tried = 0; tried <= shortest; ++tried)
            if (ReadsBack(value, tried, m)) {
                k = tried;
                break;
            }
    if (k < 0) {
        if (certain > kMostDecimals || !ReadsBack(value, certain, m))
            return nullptr;
        k = certain;
        uint64_t fewer;
        while (k > 3 && ReadsBack(value, k - 1, fewer)) {
            m = fewer;
            --k;
        }
    }
    if (m == kPowersOfTen[DigitCount(m) - 1])
        return nullptr;
    return WriteFixed(out, m, k);
}

char* WriteReal(char* out, float value) {
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    float magnitude = std::fabs(value);
    bool plain = magnitude >= 1e-5f && magnitude < 1e9f;
    if (plain) {
        char* start = out;
        if (value < 0)
            *out++ = '-';
        if (char* end = WriteShortestFixed(out, magnitude))
            return end;
        out = start;
    }
    std::chars_format format =
        magnitude == 0 || plain ? std::chars_format::fixed : std::chars_format::general;
    return std::to_chars(out, out + kRealText, value, format).ptr;
}

// The texts of recent values, by their bits: decoded messages repeat a few values over
// and over (rates of turn and speeds not available, stations at rest).
struct RecentReal {
    uint32_t Bits;
    uint8_t Length; // 0: empty
    char Text[27];
};
constexpr int kRecentRealsBits = 12; // 128 KB
constexpr size_t kRecentReals = size_t{1} << kRecentRealsBits;
thread_local RecentReal recentReals[kRecentReals];

} // namespace

char* FormatReal(char* out, float value) {
    uint32_t bits = std::bit_cast<uint32_t>(value);
    RecentReal& recent = recentReals[(bits * 0x9E3779B1u) >> (32 - kRecentRealsBits)];
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
