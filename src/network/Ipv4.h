// IPv4 addresses of the PC and of the network module, and the comparison between them.
#pragma once

#include "platform/LocalAddresses.h"

#include <string>
#include <vector>

// "192.168.1.20"
std::string DottedText(const TIpv4& address);

// "http://192.168.1.20": the module's web configuration page.
std::string WebAddress(const TIpv4& address);

// True when the first three bytes of one of `local` equal those of `device`: a fixed
// 24-bit network part, whatever the PC's subnet masks say.
bool SameSubnet(const std::vector<TIpv4>& local, const TIpv4& device);
