#include "platform/CodePageConversion.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty())
        return std::wstring();
    int length = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), wide);
    return result;
}

std::string FromWide(UINT codePage, const std::wstring& text) {
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

UINT Known(unsigned codePage) {
    return codePage == 950 || codePage == 936 ? codePage : 1252;
}

} // namespace

std::string CodePageToUtf8(unsigned codePage, const std::string& text) {
    return FromWide(CP_UTF8, ToWide(Known(codePage), text));
}

std::string Utf8ToCodePage(unsigned codePage, const std::string& utf8) {
    return FromWide(Known(codePage), ToWide(CP_UTF8, utf8));
}
