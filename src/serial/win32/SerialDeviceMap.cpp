#include "serial/win32/SerialDeviceMap.h"

#include "serial/PortNames.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

constexpr char kDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
// The name Windows gives a port of the standard serial driver.
constexpr char kMappedPortLabel[] = "Communications Port ";

// The n of a value "COM<n>"; 0 for anything else.
int ComNumberOfValue(const char* value, DWORD size) {
    const std::string text(value, std::find(value, value + size, '\0'));
    if (text.size() < 4 || text.size() > 6 || text.compare(0, 3, "COM") != 0)
        return 0;
    int n = 0;
    for (size_t i = 3; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

// The COM numbers the device map holds, in order and each once.
std::vector<int> MappedComNumbers() {
    std::vector<int> numbers;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDeviceMapKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return numbers; // no serial driver has run
    for (DWORD index = 0;; ++index) {
        char name[256];
        char value[16];
        DWORD nameSize = sizeof name;
        DWORD valueSize = sizeof value;
        DWORD type = 0;
        LONG result = RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                                    reinterpret_cast<BYTE*>(value), &valueSize);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue; // a long device name or a value of no port
        int n = ComNumberOfValue(value, valueSize);
        if (n > 0)
            numbers.push_back(n);
    }
    RegCloseKey(key);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace

void AddDeviceMapPorts(std::vector<TPortEntry>& ports) {
    for (int n : MappedComNumbers()) {
        bool listed = std::any_of(ports.begin(), ports.end(),
                                  [n](const TPortEntry& port) { return port.ComNumber == n; });
        if (!listed)
            ports.push_back({kMappedPortLabel + ComTag(n), ComDeviceName(n), n});
    }
}
