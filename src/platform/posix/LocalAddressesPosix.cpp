#include "platform/LocalAddresses.h"

#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

std::vector<TIpv4> LocalIpv4Addresses() {
    std::vector<TIpv4> addresses;
    char hostName[256] = {};
    if (::gethostname(hostName, sizeof hostName - 1) != 0)
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(hostName, nullptr, &hints, &found) != 0)
        return addresses;
    for (addrinfo* entry = found; entry != nullptr && addresses.size() < kMaxLocalAddresses;
         entry = entry->ai_next) {
        if (entry->ai_family != AF_INET)
            continue;
        TIpv4 address;
        std::memcpy(address.data(),
                    &reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr, 4);
        addresses.push_back(address);
    }
    ::freeaddrinfo(found);
    return addresses;
}
