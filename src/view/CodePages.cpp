#include "view/CodePages.h"

#include "platform/CodePageConversion.h"

std::string TextToUtf8(TLanguage language, const std::string& text) {
    return CodePageToUtf8(LanguageInfo(language).CodePage, text);
}

std::string Utf8ToText(TLanguage language, const std::string& utf8) {
    return Utf8ToCodePage(LanguageInfo(language).CodePage, utf8);
}

const char* DegreeSign(TLanguage language) {
    switch (language) {
    case laTraChinese:
        return "\xA2\x58";
    case laSimpChinese:
        return "\xA1\xE3";
    case laEnglish:
        break;
    }
    return "\xB0";
}
