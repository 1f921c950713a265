#include "Win32Api.h"

#include "Win32WideText.h"

std::wstring WideFromCodePage(unsigned codePage, const std::string& text) {
    if (text.empty())
        return {};
    const auto length = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), wide);
    return result;
}

std::string CodePageFromWide(unsigned codePage, const std::wstring& text) {
    if (text.empty())
        return {};
    const auto length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring WideFromUtf8(const std::string& text) {
    return WideFromCodePage(CP_UTF8, text);
}

std::string Utf8FromWide(const std::wstring& text) {
    return CodePageFromWide(CP_UTF8, text);
}

std::wstring WideFromFileName(const std::string& name) {
    return WideFromCodePage(CP_ACP, name);
}

std::string FileNameFromWide(const std::wstring& name) {
    return CodePageFromWide(CP_ACP, name);
}
