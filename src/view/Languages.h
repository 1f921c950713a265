// The three languages of the window's texts: their files (beside the program, or in the
// installed share folder), their code pages, and the reading of a language file into TTexts.
#pragma once

#include "view/IniFile.h"
#include "view/Texts.h"

#include <cstdint>
#include <string>

enum TLanguage : uint8_t { laEnglish = 0, laTraChinese = 1, laSimpChinese = 2 };

struct TLanguageInfo {
    const char* LanguageFile; // in the language folder (LanguageFolder)
    const char* ReadMeFile;   // likewise
    uint8_t FontCharset;      // the Windows font character set of the language
    uint16_t CodePage;        // the Windows ANSI code page of its files and texts
};

const TLanguageInfo& LanguageInfo(TLanguage language);

// The language that a stored language index selects: 1 and 2 the Chinese ones, any other
// value English (which the settings file then receives as 0).
TLanguage LanguageOfIndex(int languageIndex);

// The folder of the language and read-me files: "Lang" beside the program (as built, and
// on Windows), else the installed "../share/t360kv/Lang" from the program's folder (from
// /usr/bin, /usr/share/t360kv/Lang); when neither exists, the one beside the program.
std::string LanguageFolder(const std::string& programFolder);

// The language's file in the language folder of `programFolder` (ending in a separator).
std::string LanguageFilePath(const std::string& programFolder, TLanguage language);
std::string ReadMeFilePath(const std::string& programFolder, TLanguage language);

// Sets the built-in English texts.
void SetDefaultTexts(TTexts& texts);

// Reads every key of the language table from the INI file at `path` into `texts`, in
// table order. A missing key (or file) keeps the current text; a key with nothing after
// the equals sign gives an empty text. The texts stay in the file's code page.
void LoadLanguageTexts(const std::string& path, TTexts& texts);
// The same, from a language file already parsed.
void ReadLanguageTexts(const TIniDocument& file, TTexts& texts);
