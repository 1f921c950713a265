// The settings file: one INI file in the user's documents folder that remembers the
// language between runs, in section "VIEW", key "Language".
#pragma once

#include "view/IniFile.h"

#include <string>

// Where the settings file lives below the documents folder.
inline constexpr char kSettingsVendorFolder[] = "Norax";
inline constexpr char kSettingsProductFolder[] = "TidelaneT360KVConfig";
inline constexpr char kSettingsFileName[] = "NoraxT360KVConfig.ini";

// The settings file below `documentsFolder`. Creates its folder, with any missing
// parents, when missing; when that fails, the file lies in the documents folder itself.
std::string PrepareSettingsFile(const std::string& documentsFolder);

// The language index stored in `path`; 0 when the file, the section or the key is
// missing or the value is not an integer. Any integer is returned as stored: the
// language selection decides what an unknown value means.
int LoadSettings(const std::string& path);
// The same, read from the file's text already parsed.
int SettingsLanguageIndex(const TIniDocument& settings);
// Sets "Language" in section "VIEW" as SaveSettings writes it.
void SetSettingsLanguageIndex(TIniDocument& settings, int languageIndex);

// Writes `languageIndex` as "Language" in section "VIEW" of `path`, creating the file
// or the section when missing and keeping every other line. The file is replaced in one
// step, so an interrupted write leaves the old file. False when it could not be written.
bool SaveSettings(const std::string& path, int languageIndex);
