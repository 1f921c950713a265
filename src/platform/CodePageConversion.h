// Conversion between 8-bit text in a Windows code page (1252, 950 for Big5, 936 for
// GB2312) and UTF-8. A byte sequence that is not valid in the code page becomes U+FFFD;
// a character the code page lacks becomes "?". Any other code page number is taken as
// 1252.
#pragma once

#include <string>

std::string CodePageToUtf8(unsigned codePage, const std::string& text);
std::string Utf8ToCodePage(unsigned codePage, const std::string& utf8);
