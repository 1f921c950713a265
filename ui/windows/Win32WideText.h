// The controller's texts are 8-bit text in the code page of the window's language
// (Windows-1252, Big5 as 950, GB2312 as 936); the port names and the command line are
// UTF-8; file names are in the system's ANSI code page. The controls take UTF-16.
#pragma once

#include "Win32Api.h"

#include "view/Languages.h"

#include <string>

std::wstring WideFromCodePage(unsigned codePage, const std::string& text);
std::string CodePageFromWide(unsigned codePage, const std::wstring& text);

inline std::wstring WideFromText(TLanguage language, const std::string& text) {
    return WideFromCodePage(LanguageInfo(language).CodePage, text);
}
inline std::string TextFromWide(TLanguage language, const std::wstring& text) {
    return CodePageFromWide(LanguageInfo(language).CodePage, text);
}
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromFileName(const std::string& name);
std::string FileNameFromWide(const std::wstring& name);
