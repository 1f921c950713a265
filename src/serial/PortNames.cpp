#include "serial/PortNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

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

std::string ComTag(int n) {
    return "(COM" + std::to_string(n) + ")";
}

std::string ComDeviceName(int n) {
    return "\\\\.\\COM" + std::to_string(n);
}

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end();
}

// The n of "COMn" (any case), 0 for any other text.
int ComNumberOfName(const std::string& text) {
    if (text.size() < 4 || text.size() > 6 || Lower(text[0]) != 'c' || Lower(text[1]) != 'o' ||
        Lower(text[2]) != 'm')
        return 0;
    int n = 0;
    for (size_t i = 3; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

// The same file: the path itself, or a link to the device and the device.
bool SameDevice(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    std::error_code error;
    return a == b || std::filesystem::equivalent(a, b, error);
}

} // namespace

int PortEntrySelectedBy(const std::string& text, const std::vector<std::string>& entries,
                        const std::function<std::string(int n)>& devicePath) {
    if (text.empty())
        return -1;
    const int named = ComNumberOfName(text);
    int containing = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        int n = ComNumberOf(entries[i]);
        if (n < 1)
            continue;
        if (n == named || SameDevice(text, devicePath(n)))
            return static_cast<int>(i);
        if (containing < 0 && ContainsIgnoringCase(entries[i], text))
            containing = static_cast<int>(i);
    }
    return containing;
}
