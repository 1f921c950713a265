#include "app/CodePages.h"

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
