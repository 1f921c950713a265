#include "network/Ipv4.h"

std::string DottedText(const TIpv4& address) {
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
           std::to_string(address[2]) + "." + std::to_string(address[3]);
}

std::string WebAddress(const TIpv4& address) {
    return "http://" + DottedText(address);
}

bool SameSubnet(const std::vector<TIpv4>& local, const TIpv4& device) {
    for (const TIpv4& address : local)
        if (address[0] == device[0] && address[1] == device[1] && address[2] == device[2])
            return true;
    return false;
}
