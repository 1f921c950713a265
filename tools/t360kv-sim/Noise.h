// Hostile input for the receiving side, mixed into the valid lines: sentences with a
// wrong checksum, lines over the length limit, bytes of 128 and above, NUL bytes and lone
// CRs inside valid lines, and megabyte bursts without a line feed. Every piece ends with
// a line feed, so the valid line after it still arrives whole.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

class Noise {
public:
    explicit Noise(uint32_t seed) : random_(seed) {}

    // Bytes to send before `nextLine`, often none.
    std::string Before(std::string_view nextLine);

    // The bytes that carry a valid line (without its line end) on the wire, CR LF
    // included; now and then with NUL bytes and lone CRs inside.
    std::string Disguise(std::string_view line);

    // Asked once a second: now and then about a megabyte without a line feed, ending in
    // one; mostly nothing.
    std::string Burst();

private:
    bool Chance(double probability);
    size_t Between(size_t low, size_t high);
    std::string WithWrongChecksum(std::string_view sentence);
    std::string OverLongLine(std::string_view nextLine);
    std::string HighBytesLine();

    std::mt19937 random_;
};
