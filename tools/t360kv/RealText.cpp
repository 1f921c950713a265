#include "JsonWriter.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Plain decimals from 0.00001 up to 1e9 (markers read -100000, not -1e+05), an exponent
// outside them; the shortest text that reads back either way.
char* WriteReal(char* out, float value) {
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    float magnitude = std::fabs(value);
    bool plain = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e9f);
    return std::to_chars(out, out + kRealText, value,
                         plain ? std::chars_format::fixed : std::chars_format::general)
        .ptr;
}

// The texts of recent values, by their bits: decoded messages repeat a few values over
// and over (rates of turn and speeds not available, stations at rest), and finding the
// shortest text is the dearest part of writing a line.
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
