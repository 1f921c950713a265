#include "platform/LocalAddresses.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

std::vector<TIpv4> LocalIpv4Addresses() {
    std::vector<TIpv4> addresses;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 0), &data) != 0)
        return addresses;
    char hostName[256] = {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (gethostname(hostName, sizeof hostName - 1) == 0 &&
        getaddrinfo(hostName, nullptr, &hints, &found) == 0) {
        for (addrinfo* entry = found; entry != nullptr && addresses.size() < kMaxLocalAddresses;
             entry = entry->ai_next) {
            if (entry->ai_family != AF_INET)
                continue;
            TIpv4 address;
            std::memcpy(address.data(),
                        &reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr, 4);
            addresses.push_back(address);
        }
        freeaddrinfo(found);
    }
    WSACleanup();
    return addresses;
}
