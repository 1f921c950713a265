// IPv4 addresses of the PC and of the network module, and the comparison between them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using TIpv4 = std::array<uint8_t, 4>;

// The PC keeps at most this many of its own addresses.
inline constexpr size_t kMaxLocalAddresses = 32;

// "192.168.1.20"
std::string DottedText(const TIpv4& address);

// "http://192.168.1.20": the module's web configuration page.
std::string WebAddress(const TIpv4& address);

// True when the first three bytes of one of `local` equal those of `device`: a fixed
// 24-bit network part, whatever the PC's subnet masks say.
bool SameSubnet(const std::vector<TIpv4>& local, const TIpv4& device);

// The IPv4 addresses of the PC's host name, in the order the resolver gives them, at
// most kMaxLocalAddresses; none when the lookup fails.
std::vector<TIpv4> LocalIpv4Addresses();
