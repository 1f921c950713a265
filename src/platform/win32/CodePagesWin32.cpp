#include "platform/CodePageConversion.h"

#include <windows.h>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// The whole text at once; with MB_ERR_INVALID_CHARS false when a byte sequence is not
// valid in the code page.
bool ToWideAtOnce(UINT codePage, DWORD flags, const char* text, int length, std::wstring& wide) {
    int size = MultiByteToWideChar(codePage, flags, text, length, nullptr, 0);
    if (size <= 0)
        return false;
    wide.resize(static_cast<size_t>(size));
    return MultiByteToWideChar(codePage, flags, text, length, wide.data(), size) == size;
}

bool ToWideStrict(UINT codePage, const char* text, int length, std::wstring& wide) {
    return ToWideAtOnce(codePage, MB_ERR_INVALID_CHARS, text, length, wide);
}

// Windows itself turns invalid UTF-8 into U+FFFD.
std::wstring Utf8ToWide(const std::string& utf8) {
    std::wstring result;
    if (!ToWideAtOnce(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result))
        result.clear();
    return result;
}

// Windows turns an invalid sequence of a double-byte code page into "?" and takes the
// byte after a lone lead byte with it, a line end too. Character by character, an
// invalid one becomes U+FFFD and only a valid pair is read as one character.
std::wstring CodePageToWide(UINT codePage, const std::string& text) {
    std::wstring result;
    if (ToWideStrict(codePage, text.data(), static_cast<int>(text.size()), result))
        return result;
    result.clear();
    std::wstring one;
    for (size_t at = 0; at < text.size();) {
        bool pair = at + 1 < text.size() && IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at]));
        if (pair && ToWideStrict(codePage, text.data() + at, 2, one)) {
            result += one;
            at += 2;
        } else if (!pair && ToWideStrict(codePage, text.data() + at, 1, one)) {
            result += one;
            at += 1;
        } else {
            result += kReplacement;
            at += 1;
        }
    }
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
    return FromWide(CP_UTF8, CodePageToWide(Known(codePage), text));
}

std::string Utf8ToCodePage(unsigned codePage, const std::string& utf8) {
    return FromWide(Known(codePage), Utf8ToWide(utf8));
}
