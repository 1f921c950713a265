#include "platform/CodePageConversion.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// glibc's names of the Windows code pages, so that both platforms decode alike.
const char* CharsetOf(unsigned codePage) {
    switch (codePage) {
    case 950:
        return "CP950";
    case 936:
        return "CP936";
    default:
        return "CP1252";
    }
}

// Converts `text`, putting `replacement` in place of each sequence the source cannot
// hold or the target cannot represent, and moving on by one byte, or by one character
// when the source is UTF-8.
std::string Convert(const char* to, const char* from, const std::string& text,
                    const std::string& replacement) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string result;
    char chunk[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* out = chunk;
        size_t outLeft = sizeof chunk;
        size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(chunk, sizeof chunk - outLeft);
        if (done != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a sequence cut off at the end): skip one byte.
        result += replacement;
        bool fromUtf8 = std::strcmp(from, "UTF-8") == 0;
        do {
            ++in;
            --inLeft;
        } while (fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    char* out = chunk;
    size_t outLeft = sizeof chunk;
    iconv(converter, nullptr, nullptr, &out, &outLeft);
    result.append(chunk, sizeof chunk - outLeft);
    iconv_close(converter);
    return result;
}

} // namespace

std::string CodePageToUtf8(unsigned codePage, const std::string& text) {
    return Convert("UTF-8", CharsetOf(codePage), text, "\xEF\xBF\xBD");
}

std::string Utf8ToCodePage(unsigned codePage, const std::string& utf8) {
    return Convert(CharsetOf(codePage), "UTF-8", utf8, "?");
}
