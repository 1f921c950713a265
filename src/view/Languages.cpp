#include "view/Languages.h"

#include "platform/FileSystem.h"
#include "view/IniFile.h"

namespace {

constexpr char kLanguageFolder[] = "Lang";

constexpr TLanguageInfo kLanguages[] = {
    {"Lang-EN.ini", "ReadMe-EN_DIVEVIZAZIZE.txt", 238, 1252},
    {"Lang-TW.ini", "ReadMe-TW.txt", 136, 950},
    {"Lang-CN.ini", "ReadMe-CN.txt", 134, 936},
};

using TextField = std::string& (*)(TTexts&);

template <std::string TTexts::*Member> std::string& Field(TTexts& texts) {
    return texts.*Member;
}
template <int State> std::string& ConnectCaption(TTexts& texts) {
    return texts.ButtonCaptions[State];
}

struct LanguageKey {
    const char* Section;
    const char* Key;
    TextField Target;
};

// The keys in the order they are read.
// clang-format off
constexpr LanguageKey kLanguageKeys[] = {
    {"MENU",               "File",                        Field<&TTexts::MenuFile>},
    {"MENU",               "File_Exit",                   Field<&TTexts::MenuExit>},
    {"MENU",               "Option",                      Field<&TTexts::MenuOption>},
    {"MENU",               "Option_Language",             Field<&TTexts::MenuLanguage>},
    {"MENU",               "Option_Language_English",     Field<&TTexts::MenuLangEnglish>},
    {"MENU",               "Option_Language_TraChinese",  Field<&TTexts::MenuLangTraChinese>},
    {"MENU",               "Option_Language_SimpChinese", Field<&TTexts::MenuLangSimpChinese>},
    {"MENU",               "Help",                        Field<&TTexts::MenuHelp>},
    {"MENU",               "Help_About",                  Field<&TTexts::MenuAbout>},
    {"SYS_BUTTON",         "Connect",                     ConnectCaption<0>},
    {"SYS_BUTTON",         "Disconnect",                  ConnectCaption<1>},
    {"SYS_BUTTON",         "EXIT",                        Field<&TTexts::ExitButton>},
    {"SYS_BUTTON",         "Read_Device",                 Field<&TTexts::ReadDevice>},
    {"SYS_BUTTON",         "Program_Device",              Field<&TTexts::ProgramDevice>},
    {"TAB_BAUD",           "BAUD_RATE",                   Field<&TTexts::BaudRateTab>},
    {"TAB_BAUD",           "Config",                      Field<&TTexts::BaudRateConfig>},
    {"CONFIG_SERIAL_PORT", "Connecting",                  Field<&TTexts::Connecting>},
    {"CONFIG_SERIAL_PORT", "Connected",                   Field<&TTexts::Connected>},
    {"CONFIG_SERIAL_PORT", "Click2Connect",               Field<&TTexts::Click2Connect>},
    {"EXIT_QUERY",         "Exit_Caption",                Field<&TTexts::ExitCaption>},
    {"EXIT_QUERY",         "QueryExit",                   Field<&TTexts::QueryExit>},
    {"ABOUT",              "OK",                          Field<&TTexts::AboutOk>},
    {"TAB_AIS_STATIONS",   "AIS_STATIONS",                Field<&TTexts::StationsTab>},
    {"TAB_AIS_STATIONS",   "Details",                     Field<&TTexts::StationDetails>},
    {"TAB_AIS_STATIONS",   "Clear",                       Field<&TTexts::StationsClear>},
    {"TAB_AIS_STATIONS",   "Export",                      Field<&TTexts::StationsExport>},
};
// clang-format on

std::string InLanguageFolder(const std::string& programFolder, const char* file) {
    return JoinPath(LanguageFolder(programFolder), file);
}

} // namespace

std::string LanguageFolder(const std::string& programFolder) {
    const std::string beside = JoinPath(programFolder, kLanguageFolder);
    if (FolderExists(beside))
        return beside;
    // Installed: <prefix>/bin/<program> reads <prefix>/share/t360kv/Lang, which is also
    // where the files are in a package unpacked anywhere.
    const std::string installed = JoinPath(
        JoinPath(JoinPath(JoinPath(programFolder, ".."), "share"), "t360kv"), kLanguageFolder);
    if (FolderExists(installed))
        return installed;
    return beside;
}

const TLanguageInfo& LanguageInfo(TLanguage language) {
    return kLanguages[language];
}

TLanguage LanguageOfIndex(int languageIndex) {
    if (languageIndex == laTraChinese || languageIndex == laSimpChinese)
        return static_cast<TLanguage>(languageIndex);
    return laEnglish;
}

std::string LanguageFilePath(const std::string& programFolder, TLanguage language) {
    return InLanguageFolder(programFolder, LanguageInfo(language).LanguageFile);
}

std::string ReadMeFilePath(const std::string& programFolder, TLanguage language) {
    return InLanguageFolder(programFolder, LanguageInfo(language).ReadMeFile);
}

void SetDefaultTexts(TTexts& texts) {
    texts = TTexts();
}

void LoadLanguageTexts(const std::string& path, TTexts& texts) {
    ReadLanguageTexts(TIniDocument::Load(path), texts);
}

void ReadLanguageTexts(const TIniDocument& file, TTexts& texts) {
    for (const LanguageKey& key : kLanguageKeys)
        if (std::optional<std::string> text = file.Get(key.Section, key.Key))
            key.Target(texts) = *text;
}
