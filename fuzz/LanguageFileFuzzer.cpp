// libFuzzer entry: a language file in one of the three code pages (the first byte picks
// English 1252, Traditional Chinese Big5 or Simplified Chinese GB2312), read into the
// window's texts and converted to UTF-8 and back as the window shows and takes text.
#include "Promise.h"

#include "view/CodePages.h"
#include "view/Languages.h"

#include <string>
#include <string_view>

namespace {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsUtf8(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        auto lead = static_cast<unsigned char>(text[at]);
        size_t length = lead < 0x80   ? 1
                        : lead < 0xC2 ? 0
                        : lead < 0xE0 ? 2
                        : lead < 0xF0 ? 3
                        : lead < 0xF5 ? 4
                                      : 0;
        if (length == 0 || text.size() - at < length)
            return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t i = 1; i < length; ++i) {
            auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        bool shortest = length < 3 || code >= (length == 3 ? 0x800u : 0x10000u);
        if (!shortest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        at += length;
    }
    return true;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    auto language = static_cast<TLanguage>(data[0] % 3);
    std::string file(reinterpret_cast<const char*>(data + 1), size - 1);

    TTexts texts; // the built-in texts
    ReadLanguageTexts(TIniDocument::Parse(file), texts);

    // Shown: whatever the file holds becomes well-formed UTF-8, and plain ASCII stays as
    // it is in every code page.
    std::string shown = TextToUtf8(language, file);
    Require(IsUtf8(shown));
    Require(!IsAscii(file) || shown == file);
    // Taken back into the code page, a text without a replacement character shows the
    // same again.
    std::string taken = Utf8ToText(language, shown);
    if (shown.find("\xEF\xBF\xBD") == std::string::npos)
        Require(TextToUtf8(language, taken) == shown);
    // Typed text that is not UTF-8 at all still converts into something showable.
    Require(IsUtf8(TextToUtf8(language, Utf8ToText(language, file))));
    Require(IsUtf8(TextToUtf8(language, texts.MenuFile + texts.ButtonCaptions[1])));
    return 0;
}
