#include "app/CodePages.h"

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

} // namespace

std::string TextToUtf8(TLanguage language, const std::string& text) {
    return FromWide(CP_UTF8, ToWide(LanguageInfo(language).CodePage, text));
}

std::string Utf8ToText(TLanguage language, const std::string& utf8) {
    return FromWide(LanguageInfo(language).CodePage, ToWide(CP_UTF8, utf8));
}
