// Conversion between the window's 8-bit texts, which are in the code page of the current
// language (Windows-1252, Big5 as code page 950, GB2312 as code page 936), and UTF-8 for
// a toolkit that takes Unicode. A byte sequence that is not valid in the code page
// becomes U+FFFD; a character the code page lacks becomes "?".
#pragma once

#include "view/Languages.h"

#include <string>

std::string TextToUtf8(TLanguage language, const std::string& text);
std::string Utf8ToText(TLanguage language, const std::string& utf8);

// The degree sign in the language's code page.
const char* DegreeSign(TLanguage language);
