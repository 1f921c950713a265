#include "app/Settings.h"

#include "platform/FileSystem.h"
#include "view/IniFile.h"

#include <charconv>

namespace {

constexpr char kSection[] = "VIEW";
constexpr char kLanguageKey[] = "Language";

} // namespace

std::string PrepareSettingsFile(const std::string& documentsFolder) {
    std::string folder =
        JoinPath(JoinPath(documentsFolder, kSettingsVendorFolder), kSettingsProductFolder);
    if (!CreateFolderTree(folder))
        return JoinPath(documentsFolder, kSettingsFileName);
    return JoinPath(folder, kSettingsFileName);
}

int LoadSettings(const std::string& path) {
    return SettingsLanguageIndex(TIniDocument::Load(path));
}

int SettingsLanguageIndex(const TIniDocument& settings) {
    std::optional<std::string> stored = settings.Get(kSection, kLanguageKey);
    if (!stored)
        return 0;
    const char* first = stored->data();
    const char* last = first + stored->size();
    if (first != last && *first == '+')
        ++first;
    int value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return 0;
    return value;
}

bool SaveSettings(const std::string& path, int languageIndex) {
    TIniDocument document = TIniDocument::Load(path);
    SetSettingsLanguageIndex(document, languageIndex);
    return WriteFileAtomically(path, document.Text());
}

void SetSettingsLanguageIndex(TIniDocument& settings, int languageIndex) {
    settings.Set(kSection, kLanguageKey, std::to_string(languageIndex));
}
