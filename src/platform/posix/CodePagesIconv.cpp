#include "platform/CodePageConversion.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <iconv.h>

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// glibc's names of the Windows code pages, so that both platforms decode alike.
constexpr std::array<const char*, 3> kCharsets = {"CP1252", "CP950", "CP936"};

size_t CharsetIndex(unsigned codePage) {
    switch (codePage) {
    case 950:
        return 1;
    case 936:
        return 2;
    default:
        return 0;
    }
}

// The converters opened so far, for each code page to and from UTF-8, kept for the
// thread's life: opening one loads the code page's module and closing it unloads it,
// which made every converted text cost that, and a language change converts every text
// of the window.
class Converters {
public:
    Converters() { opened_.fill(kNoConverter); }
    ~Converters() {
        for (iconv_t converter : opened_)
            if (converter != kNoConverter)
                iconv_close(converter);
    }
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;

    // In its initial shift state; kNoConverter when the system lacks the code page.
    iconv_t Get(unsigned codePage, bool fromUtf8) {
        size_t charset = CharsetIndex(codePage);
        iconv_t& converter = opened_[charset * 2 + (fromUtf8 ? 1 : 0)];
        if (converter == kNoConverter)
            converter = fromUtf8 ? iconv_open(kCharsets[charset], "UTF-8")
                                 : iconv_open("UTF-8", kCharsets[charset]);
        if (converter != kNoConverter)
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        return converter;
    }

private:
    std::array<iconv_t, kCharsets.size() * 2> opened_;
};

// Converts `text`, putting `replacement` in place of each sequence the source cannot
// hold or the target cannot represent, and moving on by one byte, or by one character
// when the source is UTF-8.
std::string Convert(unsigned codePage, bool fromUtf8, const std::string& text,
                    const std::string& replacement) {
    static thread_local Converters converters;
    iconv_t converter = converters.Get(codePage, fromUtf8);
    if (converter == kNoConverter)
        return text;
    std::string result;
    // Room for most texts at once: a character of the code pages takes up to three bytes
    // of UTF-8 for one or two of its own.
    result.reserve(fromUtf8 ? text.size() : text.size() * 2);
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
    return result;
}

} // namespace

std::string CodePageToUtf8(unsigned codePage, const std::string& text) {
    return Convert(codePage, false, text, "\xEF\xBF\xBD");
}

std::string Utf8ToCodePage(unsigned codePage, const std::string& utf8) {
    return Convert(codePage, true, utf8, "?");
}
