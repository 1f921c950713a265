// libFuzzer entry: arbitrary bytes as the settings file. Reading it, writing it back and
// reading that again must give the same language and the same text, and the language
// the program saves into it must be the one read at the next start, whatever else the
// file holds.
#include "Promise.h"

#include "app/Settings.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TIniDocument settings = TIniDocument::Parse({reinterpret_cast<const char*>(data), size});
    int stored = SettingsLanguageIndex(settings);

    std::string written = settings.Text();
    TIniDocument reread = TIniDocument::Parse(written);
    Require(reread.Text() == written);
    Require(SettingsLanguageIndex(reread) == stored);

    // One of the languages the menu offers, or one the file did not hold, picked by the
    // input's length, which the fuzzer changes often.
    int chosen = size % 4 == 3 ? stored + 1 : static_cast<int>(size % 4);
    SetSettingsLanguageIndex(reread, chosen);
    Require(SettingsLanguageIndex(TIniDocument::Parse(reread.Text())) == chosen);
    return 0;
}
