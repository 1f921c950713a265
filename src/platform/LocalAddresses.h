// The PC's own IPv4 addresses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

using TIpv4 = std::array<uint8_t, 4>;

// The PC keeps at most this many of its own addresses.
inline constexpr size_t kMaxLocalAddresses = 32;

// The IPv4 addresses of the PC's host name, in the order the resolver gives them, at
// most kMaxLocalAddresses; none when the lookup fails.
std::vector<TIpv4> LocalIpv4Addresses();
