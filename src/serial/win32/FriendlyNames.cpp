#include "serial/win32/FriendlyNames.h"

#include "serial/PortNames.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// The list's names are UTF-8 on every system. Any code page, not only those of the
// language files: a port's driver names it in the language of the PC.
std::string ToUtf8(const std::string& text, unsigned codePage) {
    if (text.empty())
        return text;
    int size = static_cast<int>(text.size());
    int wideLength = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (wideLength <= 0)
        return text;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideLength);
    int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return text;
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

} // namespace

bool PortEntryOfFriendlyName(const std::string& name, unsigned codePage, TPortEntry& entry) {
    int number = ComNumberOf(name);
    if (number < 0)
        return false;
    entry = {ToUtf8(name, codePage), ComDeviceName(number), number};
    return true;
}
