#include "app/PortNames.h"

int ComNumberOf(const std::string& friendlyName) {
    auto at = friendlyName.find("(COM");
    if (at == std::string::npos)
        return -1;
    long n = 0;
    for (size_t i = at + 4;
         i < friendlyName.size() && friendlyName[i] >= '0' && friendlyName[i] <= '9'; ++i) {
        n = n * 10 + (friendlyName[i] - '0');
        if (n > 100000) // far out of range already; stop before it can overflow
            break;
    }
    return static_cast<int>(n);
}

std::string ComDeviceName(int n) {
    return "\\\\.\\COM" + std::to_string(n);
}
